#include "structure/jkl_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "lattice/generation.h"
#include "structure/elements.h"
#include "structure/model.h"
#include "support/entry_list.h"
#include "support/files.h"

namespace {

std::string write_jkl(Entry* e, unsigned mask = 0, int* result = nullptr) {
    char* buffer = nullptr;
    std::size_t length = 0;
    std::FILE* fp = open_memstream(&buffer, &length);
    int r = Istjkl(fp, e, mask);
    std::fclose(fp);
    if (result) *result = r;
    std::string text(buffer, length);
    std::free(buffer);
    return text;
}

struct Read {
    Entry* entry;
    std::string out, err;
};

Read read_from(std::FILE* fp, Entry* head) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Entry* e = Igtjklm(fp, head);
    std::string err = testing::internal::GetCapturedStderr();
    std::string out = testing::internal::GetCapturedStdout();
    return {e, out, err};
}

Read read_jkl(std::string text, Entry* head) {
    std::FILE* fp = fmemopen(text.data(), text.size(), "r");
    Read r = read_from(fp, head);
    std::fclose(fp);
    return r;
}

std::vector<Atom*> atoms_of(Entry* e) {
    std::vector<Atom*> atoms;
    for (Atom* a = first_atom(e); !atom_end(e, a); a = a->next) atoms.push_back(a);
    return atoms;
}

std::vector<Bond*> bonds_of(Entry* e) {
    std::vector<Bond*> bonds;
    for (Bond* b = e->bonds.next; b != &e->bonds; b = b->next) bonds.push_back(b);
    return bonds;
}

Entry* generate(int type, int shells) {
    const float points[6] = {0, 0, 0, -1, 0, 0};
    testing::internal::CaptureStderr();
    Entry* e = Xltgen(type, points, shells, nullptr, Qbdlen(6, 6));
    testing::internal::GetCapturedStderr();
    return e;
}

}  // namespace

TEST(JklWriter, LatticeUsesTheFreeLayoutWithANegatedCount) {
    Entry* e = generate(0, 1);
    ASSERT_NE(e, nullptr);
    // Diamond rows for d = +x in units of b = 1.532: (1, 0, 0),
    // (-1/3, 0, 0.9428), (-1/3, -0.8165, -0.4714), (-1/3, 0.8165, -0.4714).
    EXPECT_EQ(write_jkl(e),
              "ldmd_1\n"
              "-5 4 4 4096\n"
              " 1 2 1 3 1 4 1 5\n"
              "0\t0.000\t0.000\t0.000\t0.000\t0\n"
              "1\t1.532\t0.000\t0.000\t0.000\t1\n"
              "1\t-0.511\t0.000\t1.444\t0.000\t1\n"
              "1\t-0.511\t-1.251\t-0.722\t0.000\t1\n"
              "1\t-0.511\t1.251\t-0.722\t0.000\t1\n");
    EXPECT_EQ(e->bonds.next->serial, 1);
    EXPECT_EQ(first_atom(e)->work, 4);
    Qdlntr(e, nullptr);
}

TEST(JklWriter, RefusesWhatItCannotWrite) {
    EntryList list;
    int result = -1;
    write_jkl(nullptr, 0, &result);
    EXPECT_EQ(result, 1);
    Entry* empty = list.add("empty", 1);
    write_jkl(empty, 0, &result);
    EXPECT_EQ(result, 1);
    Entry* other = list.add("other", 64);
    add_atom(other, "C1", 6, 0, 0, 0);
    EXPECT_EQ(write_jkl(other, 0, &result), "");
    EXPECT_EQ(result, 1);
    Entry* molecule = list.add("m", 1);
    add_atom(molecule, "C1", 6, 0, 0, 0);
    EXPECT_EQ(Istjkl(nullptr, molecule, 0), 4799);
    EXPECT_EQ(write_jkl(molecule, 2, &result), "");  // selection 0 everywhere
    EXPECT_EQ(result, 1);
}

TEST(JklWriter, FixedLayoutForOrdinaryMolecules) {
    EntryList list;
    Entry* e = list.add("mol", 1);
    Atom* c = add_atom(e, "C1", 6, 1.0f, 2.0f, -3.0f);
    c->hcount = 3;
    Atom* cl = add_atom(e, "CL12", 17, 0.0f, 0.0f, 1.5f);
    cl->hcount = 0;
    Atom* n = add_atom(e, "N", 7, -1.25f, 0.0f, 0.0f);
    n->hcount = 2;
    Qnsbd(&e->bonds, c, cl);
    Qnsbd(&e->bonds, c, n);
    EXPECT_EQ(write_jkl(e),
              "mol\n"
              "    3    2    2    1\n"
              "    1    2    1    3\n"
              "    1C " "  " "   1.000" "   2.000" "  -3.000" "   0.000" "   3\n"
              "   12CL" "  " "   0.000" "   0.000" "   1.500" "   0.000" "   0\n"
              "    0N " "  " "  -1.250" "   0.000" "   0.000" "   0.000" "   2\n");
}

TEST(JklWriter, SeventeenBondsTakeThreeLines) {
    EntryList list;
    Entry* e = list.add("chain", 1);
    std::vector<Atom*> atoms;
    for (int i = 1; i <= 18; ++i) {
        atoms.push_back(add_atom(e, ("C" + std::to_string(i)).c_str(), 6, 1.5f * i, 0, 0));
        if (i > 1) Qnsbd(&e->bonds, atoms[i - 2], atoms[i - 1]);
    }
    std::string text = write_jkl(e);
    EXPECT_EQ(text.substr(0, text.find("    1C ")),
              "chain\n"
              "   18   17    2    1\n"
              "    1    2    2    3    3    4    4    5    5    6    6    7    7    8    8    9\n"
              "    9   10   10   11   11   12   12   13   13   14   14   15   15   16   16   17\n"
              "   17   18\n");
}

TEST(JklWriter, ChargesCarryTheirRoundingRemainder) {
    EntryList list;
    Entry* e = list.add("q", 1);
    const float charges[3] = {0.3334f, 0.3333f, 0.3333f};
    for (float q : charges) add_atom(e, "O", 8, 0, 0, 0)->charge = q;
    std::string text = write_jkl(e);
    EXPECT_NE(text.find("   0.000   0.000   0.000   0.333   4\n"
                        "    0O " "  " "   0.000   0.000   0.000   0.334   4\n"
                        "    0O " "  " "   0.000   0.000   0.000   0.333   4\n"),
              std::string::npos)
        << text;
}

TEST(JklWriter, MaskWritesAFragment) {
    EntryList list;
    Entry* e = list.add("frag", 1);
    Atom* a = add_atom(e, "C1", 6, 0, 0, 0);
    Atom* b = add_atom(e, "C2", 6, 1, 0, 0);
    Atom* c = add_atom(e, "C3", 6, 2, 0, 0);
    Atom* d = add_atom(e, "C4", 6, 3, 0, 0);
    a->selection = b->selection = d->selection = 1;
    c->selection = 2;
    Qnsbd(&e->bonds, a, b);
    Qnsbd(&e->bonds, b, c);
    Qnsbd(&e->bonds, c, d);
    std::string text = write_jkl(e, 1);
    EXPECT_EQ(text.substr(0, text.find("    1C ")),
              "Fragment of: frag\n"
              "    3    1    2    1\n"
              "    1    2\n");
    EXPECT_EQ(a->serial, 1);
    EXPECT_EQ(c->serial, 0);
    EXPECT_EQ(d->serial, 3);
    EXPECT_NE(text.find("    4C " "  " "   3.000"), std::string::npos);  // number from the label
}

TEST(JklWriter, LargeMoleculesUseTheFreeLayoutAndReadBack) {
    EntryList list;
    Entry* e = list.add("big", 1);
    for (int i = 0; i < 100000; ++i) add_atom(e, "O", 8, 0.125 * (i % 7), 0.5, -0.25)->hcount = 2;
    std::string text = write_jkl(e);
    EXPECT_EQ(text.substr(0, 49), "big\n-100000 0 0 1\nO\t0.000\t0.500\t-0.250\t0.000\t2\nO\t");
    Read r = read_jkl(text, &list.head);
    ASSERT_NE(r.entry, nullptr);
    std::vector<Atom*> a = atoms_of(r.entry);
    ASSERT_EQ(a.size(), 100000u);
    EXPECT_EQ(a[99999]->x, 0.125f * (99999 % 7));
    EXPECT_EQ(a[99999]->element, 8);
    EXPECT_STREQ(a[99999]->label, "O");
    EXPECT_EQ(a[5]->hcount, 2);  // lone oxygens: two hydrogens from geometry

    // One atom fewer still fits the fixed layout.
    Qdlatm(e, 0);
    for (int i = 0; i < 99999; ++i) add_atom(e, "C", 6, 0, 0, 0);
    EXPECT_EQ(write_jkl(e).substr(0, 25), "big\n99999    0    0    1\n");
}

TEST(JklWriter, CaTraceAndPointLines) {
    EntryList list;
    Entry* ca = list.add("trace", 8);
    Atom* a = add_atom(ca, "CA7", 3, 1, 2, 3);
    a->charge = 0.5f;
    a->bfactor = 12.25f;
    EXPECT_EQ(write_jkl(ca), "trace\n    1    0    0    8\n"
                             "    7CA  " "   1.000   2.000   3.000    0.50   3   12.25\n");
    Entry* points = list.add("pts", 512);
    Atom* p = add_atom(points, "P3", 6, 0, 0, 0);
    p->hcount = 5;
    p->occupancy = 2.0f;  // packed: -(5 + 256)
    EXPECT_EQ(write_jkl(points), "pts\n    1    0    0  512\n"
                                 "    3PT  " "   0.000   0.000   0.000   0.000 -261\n");
}

TEST(JklReader, LatticeRoundTripKeepsVerticesShellsAndEdges) {
    Entry* original = generate(2, 3);
    ASSERT_NE(original, nullptr);
    original->atoms.next->next->charge = 1.25f;
    TempDir dir;
    const auto path = dir / "lbcc_3.jkl";
    std::FILE* fp = std::fopen(path.c_str(), "w");
    ASSERT_EQ(Istjkl(fp, original, 0), 0);
    std::fclose(fp);
    const std::string first_text = read_file(path);

    EntryList list;
    fp = std::fopen(path.c_str(), "r");
    Read r = read_from(fp, &list.head);
    std::fclose(fp);
    ASSERT_NE(r.entry, nullptr) << r.err;
    EXPECT_EQ(r.out, "lbcc_3: 91 atoms, 216 bonds\n");
    EXPECT_EQ(r.err, "");
    Entry* copy = r.entry;
    EXPECT_STREQ(copy->name, "lbcc_3");
    EXPECT_EQ(copy->type, 4096);
    EXPECT_EQ(copy->colour, -1);
    EXPECT_EQ(copy->atoms.display, 1);

    std::vector<Atom*> was = atoms_of(original), now = atoms_of(copy);
    ASSERT_EQ(now.size(), was.size());
    for (std::size_t i = 0; i < was.size(); ++i) {
        EXPECT_STREQ(now[i]->label, was[i]->label);
        EXPECT_EQ(now[i]->hcount, was[i]->hcount);
        EXPECT_NEAR(now[i]->x, was[i]->x, 0.0005);
        EXPECT_NEAR(now[i]->y, was[i]->y, 0.0005);
        EXPECT_NEAR(now[i]->z, was[i]->z, 0.0005);
        EXPECT_EQ(now[i]->charge, was[i]->charge);
        EXPECT_EQ(bond_count(now[i]), bond_count(was[i]));
    }
    for (std::size_t i = 0; i < now.size(); ++i) now[i]->serial = static_cast<long>(i) + 1;
    std::vector<Bond*> edges = bonds_of(original), read = bonds_of(copy);
    ASSERT_EQ(read.size(), edges.size());
    for (std::size_t i = 0; i < edges.size(); ++i) {
        EXPECT_EQ(read[i]->atom1->serial, edges[i]->atom1->serial);
        EXPECT_EQ(read[i]->atom2->serial, edges[i]->atom2->serial);
        EXPECT_EQ(read[i]->colour, 1);
    }
    EXPECT_EQ(write_jkl(copy), first_text);
    Qdlntr(original, nullptr);
}

TEST(JklReader, FreeLayoutTokensHaveAtMostTwoCharacters) {
    EntryList list;
    Read r = read_jkl("lat\n-3 1 1 4096\n 1 2\n0\t0\t0\t0\t0\t0\n99\t1.5\t0\t0\t0.25\t99\n"
                      "123\t1.5\t0\t0\t0\t1\n",
                      &list.head);
    ASSERT_NE(r.entry, nullptr);
    std::vector<Atom*> a = atoms_of(r.entry);
    EXPECT_STREQ(a[1]->label, "99");
    EXPECT_EQ(a[1]->hcount, 99);
    EXPECT_EQ(a[1]->charge, 0.25f);
    // A third character is read as the first number: the fields shift.
    EXPECT_STREQ(a[2]->label, "12");
    EXPECT_EQ(a[2]->x, 3.0f);
    EXPECT_EQ(a[2]->y, 1.5f);
    EXPECT_EQ(a[2]->hcount, 0);
    EXPECT_FLOAT_EQ(r.entry->atoms.x, 1.5f);  // (0 + 1.5 + 3) / 3
}

TEST(JklReader, FixedLayoutMolecule) {
    EntryList list;
    Read r = read_jkl("mol\n"
                      "    3    2    2    1\n"
                      "    1    2    1    3\n"
                      "    1C      1.000   2.000  -3.000  -0.125   3\n"
                      "   12CL     0.000   0.000   1.500   0.000   0\n"
                      "    7 N    -1.250   0.000   0.000   0.125   2   17.50\n",
                      &list.head);
    ASSERT_NE(r.entry, nullptr) << r.err;
    EXPECT_EQ(r.out, "mol: 3 atoms, 2 bonds\n");
    EXPECT_EQ(r.err, "");
    std::vector<Atom*> a = atoms_of(r.entry);
    ASSERT_EQ(a.size(), 3u);
    EXPECT_STREQ(a[0]->label, "C1");
    EXPECT_EQ(a[0]->element, 6);
    EXPECT_EQ(a[0]->hcount, 3);
    EXPECT_EQ(a[0]->charge, -0.125f);
    EXPECT_EQ(a[0]->z, -3.0f);
    EXPECT_EQ(a[0]->bfactor, 30.0f);
    EXPECT_STREQ(a[1]->label, "CL12");
    EXPECT_EQ(a[1]->element, 17);
    EXPECT_STREQ(a[2]->label, "N7");
    EXPECT_EQ(a[2]->element, 7);
    EXPECT_EQ(a[2]->bfactor, 17.5f);
    EXPECT_EQ(bond_count(a[0]), 2);
    EXPECT_EQ(r.entry->type, 1);
}

TEST(JklReader, FixedLayoutLatticeKeepsItsShellLabels) {
    EntryList list;
    Read r = read_jkl("lat\n    2    1    1 4096\n    1    2\n"
                      "    1 0     0.000   0.000   0.000   0.000   0\n"
                      "    2 1     1.532   0.000   0.000   0.000   1\n",
                      &list.head);
    ASSERT_NE(r.entry, nullptr);
    Atom* second = first_atom(r.entry)->next;
    EXPECT_STREQ(second->label, "1");
    EXPECT_EQ(second->hcount, 1);
    EXPECT_EQ(second->x, 1.532f);
}

TEST(JklReader, FixedLayoutBondPairsMayTouch) {
    EntryList list;
    Entry* e = list.add("wide", 1);
    for (int i = 1; i <= 10001; ++i) {
        add_atom(e, ("C" + std::to_string(i)).c_str(), 6, 0.5, 0, 0)->hcount = 0;
    }
    Qnsbd(&e->bonds, e->atoms.prev->prev, e->atoms.prev);
    Qnsbd(&e->bonds, e->atoms.next, e->atoms.prev);
    std::string text = write_jkl(e);
    EXPECT_EQ(text.substr(0, 47), "wide\n10001    2    2    1\n1000010001    110001\n");
    Read r = read_jkl(text, &list.head);
    ASSERT_NE(r.entry, nullptr);
    std::vector<Bond*> b = bonds_of(r.entry);
    ASSERT_EQ(b.size(), 2u);
    EXPECT_STREQ(b[0]->atom1->label, "C10000");
    EXPECT_STREQ(b[0]->atom2->label, "C10001");
    EXPECT_STREQ(b[1]->atom1->label, "C1");
    EXPECT_EQ(write_jkl(r.entry), text);
}

TEST(JklReader, FixedCountLineWithTouchingFields) {
    EntryList list;
    Read r = read_jkl("touch\n1234567890    4    1\n", &list.head);
    EXPECT_EQ(r.entry, nullptr);
    EXPECT_EQ(r.out, "touch: 12345 atoms, 67890 bonds\n");
    EXPECT_EQ(r.err, "Reading bonds: Success\n");
    EXPECT_EQ(list.size(), 0);
}

TEST(JklReader, ShortFixedCountLineTakesDefaults) {
    EntryList list;
    Read r = read_jkl("two\n    2\nC1 0 0 0 0 4\nC2 1.532 0 0 0 4\n", &list.head);
    ASSERT_NE(r.entry, nullptr);
    EXPECT_EQ(r.entry->type, 1);
    EXPECT_EQ(bond_count(first_atom(r.entry)), 0);
}

TEST(JklReader, LongNameIsCutAt83Characters) {
    EntryList list;
    const std::string name(100, 'n');
    Read r = read_jkl(name + "\n-1 0 0 4096\n0\t0\t0\t0\t0\t0\n", &list.head);
    ASSERT_NE(r.entry, nullptr);
    EXPECT_EQ(std::string(r.entry->name), name.substr(0, 83));
}

TEST(JklReader, FreeMoleculeLinesLackHydrogenCounts) {
    EntryList list;
    Read r = read_jkl("ethane\n-2 1 1 1\n 1 2\nC1\t0\t0\t0\t0\t1\nC2\t1.532\t0\t0\t0\t1\n",
                      &list.head);
    ASSERT_NE(r.entry, nullptr);
    EXPECT_EQ(r.out, "ethane: 2 atoms, 1 bonds\nH-atom counts from geometrical cryteria!\n");
    for (Atom* a : atoms_of(r.entry)) EXPECT_EQ(a->hcount, 3);
}

TEST(JklReader, PointsAndCaTracesFromTheFixedLayout) {
    EntryList list;
    Read points = read_jkl(
        "pts\n    1    0    0  512\n    3PT     0.000   0.000   0.000   0.000 -261\n", &list.head);
    ASSERT_NE(points.entry, nullptr);
    Atom* p = first_atom(points.entry);
    EXPECT_STREQ(p->label, "3");
    EXPECT_EQ(p->hcount, 5);
    EXPECT_EQ(p->occupancy, 2.0f);

    Read trace = read_jkl("trace\n    2    1    0    8\n    1    2\n"
                          "    7CA     1.000   2.000   3.000    0.50   3   12.25\n"
                          "    8CA     4.000   2.000   3.000    0.50\n",
                          &list.head);
    ASSERT_NE(trace.entry, nullptr);
    std::vector<Atom*> a = atoms_of(trace.entry);
    EXPECT_STREQ(a[0]->label, "7");
    EXPECT_EQ(a[0]->element, 3);
    EXPECT_EQ(a[0]->bfactor, 12.25f);
    EXPECT_EQ(a[1]->element, 8);  // no element column: an oxygen
    EXPECT_EQ(trace.entry->bonds.next->order, 8);
}

TEST(JklReader, UnknownElementBecomesCarbon) {
    EntryList list;
    Read r = read_jkl("x\n    1    0    0    1\n    1XX     0.000   0.000   0.000   0.000   0\n",
                      &list.head);
    ASSERT_NE(r.entry, nullptr);
    EXPECT_EQ(r.err, "Element not found : \aXx\n");
    EXPECT_EQ(first_atom(r.entry)->element, 6);
}

TEST(JklReader, EachEarlyEndHasItsMessage) {
    EntryList list;
    TempDir dir;
    write_file(dir / "empty.jkl", "");
    std::FILE* fp = std::fopen((dir / "empty.jkl").c_str(), "r");
    Read r = read_from(fp, &list.head);
    std::fclose(fp);
    EXPECT_EQ(r.entry, nullptr);
    EXPECT_EQ(r.err, "Igtjklm: Error: Reading header\n");

    r = read_jkl("name only\n", &list.head);
    EXPECT_EQ(r.entry, nullptr);
    EXPECT_EQ(r.err, "Igtjklm: Error: Reading number of atoms\n");

    r = read_jkl("name\nno count\n", &list.head);
    EXPECT_EQ(r.entry, nullptr);
    EXPECT_EQ(r.err, "Igtjklm: Error: S-reading number of atoms\n");

    r = read_jkl("name\n-3 9 2 4096\n 1 2 2 3 1 3 3 1 1 2 2 3 1 3 3 2\n", &list.head);
    EXPECT_EQ(r.entry, nullptr);
    EXPECT_EQ(r.out, "name: 3 atoms, 9 bonds\n");
    EXPECT_EQ(r.err, "");  // the repeated pair fails first, silently

    r = read_jkl("name\n-3 3 2 4096\n 1 2 2 3 3 2\n0\t0\t0\t0\t0\t0\n1\t1\t0\t0\t0\t1\n"
                 "1\t0\t1\t0\t0\t1\n",
                 &list.head);
    EXPECT_EQ(r.entry, nullptr);
    EXPECT_EQ(r.err, "");  // a bond given twice, the second time backwards

    r = read_jkl("name\n-5 9 4 4096\n 1 2 1 3 1 4 1 5 2 3 2 4 2 5 3 4\n", &list.head);
    EXPECT_EQ(r.entry, nullptr);
    EXPECT_EQ(r.err, "Reading bonds: Success\n");

    r = read_jkl("name\n-3 2 2 4096\n 1 2 2 3\n0\t0\t0\t0\t0\t0\n", &list.head);
    EXPECT_EQ(r.entry, nullptr);
    EXPECT_EQ(r.err, "Reading atoms: Success\n");
    EXPECT_EQ(list.size(), 0);
}

TEST(JklReader, LinesLongerThanTheBufferAreRefusedButALongNameIsCut) {
    EntryList list;
    const std::string atom = "0\t0\t0\t0\t0\t0";
    Read r = read_jkl(std::string(300, 'n') + "\n-1 0 0 4096\n" + atom + "\n", &list.head);
    ASSERT_NE(r.entry, nullptr);
    EXPECT_EQ(std::string(r.entry->name), std::string(83, 'n'));

    const std::string padded = atom + std::string(260, ' ');
    r = read_jkl("long\n-1 0 0 4096\n" + padded + "\n", &list.head);
    EXPECT_EQ(r.entry, nullptr);
    EXPECT_EQ(r.out, "long: 1 atoms, 0 bonds\n");
    EXPECT_EQ(r.err, "Igtjklm: Error: Line longer than 255 characters: " + padded.substr(0, 20) + "...\n");
    EXPECT_EQ(list.size(), 1);
}

#if !defined(__SANITIZE_ADDRESS__)  // the sanitizers reserve terabytes of address space
namespace {

// Address space used by this process now, in bytes.
rlim_t address_space_in_use() {
    unsigned long pages = 0;
    std::FILE* fp = std::fopen("/proc/self/statm", "r");
    if (fp && std::fscanf(fp, "%lu", &pages) != 1) pages = 0;
    if (fp) std::fclose(fp);
    return static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
}

// Reads text under an address-space limit of 256 MiB more than in use, where
// an array for 2^31 - 1 atoms (16 GiB) would not fit; ends the process with
// status 0 when the reader returned null.
void read_with_little_memory(std::string text) {
    const rlim_t limit = address_space_in_use() + (rlim_t{256} << 20);
    const rlimit space{limit, limit};
    setrlimit(RLIMIT_AS, &space);
    EntryList list;
    std::FILE* fp = fmemopen(text.data(), text.size(), "r");
    std::exit(Igtjklm(fp, &list.head) == nullptr ? 0 : 1);
}

}  // namespace

TEST(JklReader, CountsOfTwoToThe31CostNothingBeyondTheLinesRead) {
    // Only the end of the lines may stop the reader.
    EXPECT_EXIT(read_with_little_memory("huge\n-2147483647 1 2 4096\n 1 2\n0\t0\t0\t0\t0\t0\n"),
                testing::ExitedWithCode(0), "^Reading atoms: Success\n$");
    EXPECT_EXIT(read_with_little_memory("huge\n-9 2147483647 8 4096\n 1 2 1 3 1 4 1 5 1 6 1 7 1 8 1 9\n"),
                testing::ExitedWithCode(0), "^Reading bonds: Success\n$");
}
#endif

TEST(JklReader, BadBondsFailSilently) {
    EntryList list;
    const char* atoms = "0\t0\t0\t0\t0\t0\n1\t1\t0\t0\t0\t1\n";
    const char* bond_lines[] = {" 1 3\n", " 0 1\n", " 2 2\n", " 1 2 2 1\n", " 1 x\n", " 1\n"};
    for (const char* bonds : bond_lines) {
        int n = bonds == std::string(" 1 2 2 1\n") ? 2 : 1;
        std::string text = "bad\n-2 " + std::to_string(n) + " 1 4096\n" + bonds + atoms;
        Read r = read_jkl(text, &list.head);
        EXPECT_EQ(r.entry, nullptr) << bonds;
        EXPECT_EQ(r.err, "") << bonds;
        EXPECT_EQ(r.out, "bad: 2 atoms, " + std::to_string(n) + " bonds\n") << bonds;
    }
    EXPECT_EQ(list.size(), 0);
}

TEST(JklReader, AppendsToTheCurrentListWithoutAHead) {
    std::string text = "cur\n-1 0 0 4096\n0\t0\t0\t0\t0\t0\n";
    Read r = read_jkl(text, nullptr);
    ASSERT_NE(r.entry, nullptr);
    EXPECT_EQ(Qhead()->prev, r.entry);
    EXPECT_EQ(Qdlntr(r.entry, nullptr), 1);
}

TEST(JklReader, FreeLayoutAtomLinesReadAsSscanfWithTheirFormatOnRandomLines) {
    // Tokens of one to three characters, numbers plain and not, fields missing:
    // values a line lacks stay from the line before.
    static const char* const kPieces[] = {"0", "12", "123", "-1.5", "2.25e1", "0x1", "nan",
                                          "-", "7", ".5", "1.2.3", "ab", "\t", " ", "x"};
    std::mt19937 engine(11);
    std::string text = "random\n-200 0 0 4096\n";
    std::vector<std::string> lines;
    for (int i = 0; i < 200; ++i) {
        std::string line;
        for (int k = static_cast<int>(engine() % 9); k > 0; --k)
            line += std::string(kPieces[engine() % 15]) + (engine() % 3 ? "\t" : "");
        lines.push_back(line);
        text += line + "\n";
    }
    EntryList list;
    Read r = read_jkl(text, &list.head);
    ASSERT_NE(r.entry, nullptr);
    char token[3] = {};
    float v[6] = {};
    int shell = 0;
    std::vector<Atom*> atoms = atoms_of(r.entry);
    ASSERT_EQ(atoms.size(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::sscanf(lines[i].c_str(), "%2s%f%f%f%f%d%f", token, &v[0], &v[1], &v[2], &v[3], &shell,
                    &v[4]);
        const float read[4] = {atoms[i]->x, atoms[i]->y, atoms[i]->z, atoms[i]->charge};
        EXPECT_EQ(0, std::memcmp(read, v, sizeof read)) << lines[i];
        EXPECT_EQ(atoms[i]->hcount, shell) << lines[i];
        std::string label = token;
        label.erase(0, label.find_first_not_of(' '));
        EXPECT_EQ(atoms[i]->label, label) << lines[i];
    }
}
