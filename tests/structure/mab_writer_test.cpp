// Writing .mab blocks: entry, crystal, monomer and atom lines. The
// transcripts' .mab files pin the blocks of walk entries.
#include <gtest/gtest.h>

#include <cstring>

#include "structure/mab_fixtures.h"

TEST(MabWriter, LabelsAreCutAtACommaOrWrittenWholeAndChargesCarryTheirRemainder) {
    EntryList list;
    Entry* e = make_walk(list, "q", 3, 1);
    std::strcpy(first_atom(e)->label, "CA,1");
    std::strcpy(first_atom(e)->next->label, "abcdefghi");
    const float charges[] = {0.3334f, 0.3333f, 0.3333f};
    for (Atom* a = first_atom(e); !atom_end(e, a); a = a->next)
        a->charge = charges[a->selection - 1];
    EXPECT_EQ(mab_text(e), "Version 2\nEntry    1: 3  0  q\n"
                           "CA       1   0   6  3    0.000    0.500   -1.250   0.333 1 0  1 2\n"
                           "abcdefghi  1   0   6  2    1.500    0.500   -1.250   0.334 2 0  2 1 3\n"
                           "3        1   0   6  3    3.000    0.500   -1.250   0.333 3 0  1 2\n");
}

// Entries whose state has bit value 2 are written, molecular ones only, with
// their monomers; atoms are numbered through the block; the role column is
// kept for proteins only.
TEST(MabWriter, WholeListWritesMarkedMolecularEntriesWithTheirMonomers) {
    EntryList list;
    Entry* prot = make_walk(list, "prot", 2, 1);
    Entry* lattice = make_walk(list, "lattice", 1, 1);
    make_walk(list, "unmarked", 1, 1);
    Entry* d = make_walk(list, "d", 1, 7);
    prot->type = kTypeProtein;
    lattice->type = kTypeLattice;
    prot->state = lattice->state = d->state = 2;
    Monomer* m1 = Qnsmon(&prot->monomers, prot);
    Monomer* m2 = Qnsmon(&prot->monomers, prot);
    *m1 = {m1->next, m1->prev, nullptr, "GLY", "A", ' ', 5, 3, 0, nullptr, 0};
    *m2 = {m2->next, m2->prev, nullptr, "ALA", "B", 'x', -2, 7, 1, nullptr, 0};
    first_atom(prot)->monomer = m2;
    first_atom(prot)->role = first_atom(d)->role = 33;
    EXPECT_EQ(mab_text(&list.head),
              "Version 2\nEntry    1: 2  2  prot\nMonomer A  5 3 0 GLY\nMonomer Bx -2 7 1 ALA\n"
              "Entry    2: 1  0  d\n"
              "1        1   2   6  3    0.000    0.500   -1.250   0.000 1 1  1 2\n"
              "2        1   0   6  3    1.500    0.500   -1.250   0.000 2 0  1 1\n"
              "1        2   0   6  4    0.000    0.500   -1.250   0.000 7 0  0\n");
}

TEST(MabWriter, NothingToWriteIsReported) {
    EntryList list;
    Entry* lattice = make_walk(list, "lattice", 1, 1);
    lattice->type = kTypeLattice;
    EXPECT_EQ(Istmab(nullptr, lattice, 0), kMabNoStream);
    int result = 0;
    testing::internal::CaptureStdout();
    EXPECT_EQ(mab_text(nullptr, &result), "");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(mab_text(list.add("no atoms")), "Version 2\n");
    EXPECT_EQ(mab_text(lattice, &result), "Version 2\n");
    EXPECT_EQ(result, 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "No atoms found!\nNo atoms found!\n");
}

// Entries 2 and 3 continue the run that entry 1 starts (3 has no crystal);
// entry 4 starts a new run.
TEST(MabWriter, OnlyTheFirstOfARunOfCrystalEntriesCarriesCrystalLines) {
    EntryList list;
    const float abc[3] = {10.0f, 20.0f, 40.0f};
    for (int i = 0; i < 4; ++i) {
        Entry* e = make_walk(list, "x", 1, 1);
        e->state = 2;
        if (i != 2) e->crystal = Qgtxtl(abc);
    }
    Crystal* c = list.head.next->crystal;
    std::strcpy(c->spgp, "P 21 21 21");
    c->cell[4] = 100.0f, c->cell[5] = 120.0f, c->shift[0] = 0.5f;
    const std::string text = mab_text(&list.head);
    EXPECT_TRUE(text.starts_with(
        "Version 2\nEntry    1: 1  0  x\nSpgp P 21 21 21\n"
        "Cell 10.000 20.000 40.000, 90.000 100.000 120.000\n"
        "Ortg 1 1.000000e-01 0.000000e+00 0.000000e+00, 5.000000e-01\n"
        "Ortg 2 0.000000e+00 5.000000e-02 0.000000e+00, 0.000000e+00\n"
        "Ortg 3 0.000000e+00 0.000000e+00 2.500000e-02, 0.000000e+00\nEntry    2"));
    EXPECT_NE(text.find("Entry    2: 1  0  x\nEntry    3: 1  0  x\nEntry    4: 1  0  x\nSpgp \n"),
              std::string::npos);
}
