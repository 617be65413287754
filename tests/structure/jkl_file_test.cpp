// The .jkl file: both layouts written exactly, lattices and fixed-layout
// entries read back and written again, the reader's messages and limits.
#include "structure/jkl_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "lattice/generation.h"
#include "structure/elements.h"
#include "structure/model.h"
#include "support/differential.h"
#include "support/entry_list.h"
#include "support/files.h"
#include "support/memory_stream.h"

namespace {

// What Istjkl writes for the entry and mask; its result in *result.
std::string jkl_text(Entry* e, unsigned mask = 0, int* result = nullptr) {
    int r = 0;
    std::string text = written([&](std::FILE* fp) { r = Istjkl(fp, e, mask); });
    if (result) *result = r;
    return text;
}

// Reads one entry into a private list, catching what the reader prints.
struct Read {
    EntryList list;
    Entry* entry = nullptr;
    std::string out, err;

    explicit Read(std::FILE* fp, bool whole_labels = false) {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        entry = Igtjklm(fp, &list.head, whole_labels);
        err = testing::internal::GetCapturedStderr();
        out = testing::internal::GetCapturedStdout();
        std::fclose(fp);
    }
    explicit Read(std::string text, bool whole_labels = false)
        : Read(fmemopen(text.data(), text.size(), "r"), whole_labels) {}
};

// The entry's name, type and mean position, then one line per atom: label,
// element, hcount, position, charge, B-factor and occupancy.
std::string summary(Entry* e) {
    char line[160];
    std::snprintf(line, sizeof line, "%s %d at %.3f %.3f %.3f\n", e->name, e->type, e->atoms.x,
                  e->atoms.y, e->atoms.z);
    std::string s = line;
    for (Atom* a = first_atom(e); !atom_end(e, a); a = a->next) {
        std::snprintf(line, sizeof line, "%s %d %d %.3f %.3f %.3f %.3f %.2f %g\n", a->label,
                      a->element, a->hcount, a->x, a->y, a->z, a->charge, a->bfactor, a->occupancy);
        s += line;
    }
    return s;
}

Entry* generate(int type, int shells) {
    const float points[6] = {0, 0, 0, -1, 0, 0};
    testing::internal::CaptureStderr();
    Entry* e = Xltgen(type, points, shells, nullptr, Qbdlen(6, 6));
    testing::internal::GetCapturedStderr();
    return e;
}

// Carbons "C1".."Cn" 1.5 Å apart along x, bonded in a chain when asked.
Entry* carbons(EntryList& list, const char* name, int n, bool chain) {
    Entry* e = list.add(name, 1);
    for (int i = 1; i <= n; ++i) {
        Atom* a = add_atom(e, ("C" + std::to_string(i)).c_str(), 6, 1.5 * i, 0, 0);
        if (chain && i > 1) Qnsbd(&e->bonds, a->prev, a);
    }
    return e;
}

}  // namespace

// The lattice transcripts pin the free layout of lattices as written.
TEST(JklFile, LatticesReadBackFromAFileUnchanged) {
    // Written again, the lattice read back from a file gives the same bytes:
    // the same edges between the same positions.
    Entry* original = generate(2, 3);
    ASSERT_NE(original, nullptr);
    first_atom(original)->next->charge = 1.25f;
    TempDir dir;
    const std::string text = jkl_text(original);
    write_file(dir / "lbcc_3.jkl", text);
    Read r(std::fopen((dir / "lbcc_3.jkl").c_str(), "r"));
    ASSERT_NE(r.entry, nullptr) << r.err;
    EXPECT_EQ(r.out + r.err, "lbcc_3: 91 atoms, 216 bonds\n");
    EXPECT_EQ(r.entry->colour, -1);
    EXPECT_EQ(r.entry->atoms.display, 1);
    for (Bond* b = r.entry->bonds.next; b != &r.entry->bonds; b = b->next) EXPECT_EQ(b->colour, 1);
    EXPECT_EQ(jkl_text(r.entry), text);
    Qdlntr(original, nullptr);
}

TEST(JklWriter, RefusesWhatItCannotWrite) {
    EntryList list;
    Entry* other = list.add("other", 64);
    add_atom(other, "C1", 6, 0, 0, 0);
    Entry* molecule = carbons(list, "m", 1, false);
    const std::pair<Entry*, unsigned> refused[] = {
        {nullptr, 0}, {list.add("empty", 1), 0}, {other, 0}, {molecule, 2}};
    for (auto [entry, mask] : refused) {
        int result = 0;
        EXPECT_EQ(jkl_text(entry, mask, &result), "");
        EXPECT_EQ(result, 1);
    }
    EXPECT_EQ(Istjkl(nullptr, molecule, 0), 4799);
}

// Eight bond pairs to a line; charges carry their rounding remainder; a mask
// writes a fragment without the bonds to left-out atoms, though the third
// count still sees them.
TEST(JklWriter, FixedLayoutBondLinesChargesAndFragments) {
    EntryList list;
    const std::string chain = jkl_text(carbons(list, "chain", 18, true));
    EXPECT_EQ(chain.substr(0, chain.find("    1C ")),
              "chain\n"
              "   18   17    2    1\n"
              "    1    2    2    3    3    4    4    5    5    6    6    7    7    8    8    9\n"
              "    9   10   10   11   11   12   12   13   13   14   14   15   15   16   16   17\n"
              "   17   18\n");

    Entry* charged = list.add("q", 1);
    for (float q : {0.3334f, 0.3333f, 0.3333f}) add_atom(charged, "O", 8, 0, 0, 0)->charge = q;
    EXPECT_EQ(jkl_text(charged), "q\n    3    0    0    1\n"
                                 "    0O      0.000   0.000   0.000   0.333   4\n"
                                 "    0O      0.000   0.000   0.000   0.334   4\n"
                                 "    0O      0.000   0.000   0.000   0.333   4\n");

    Entry* frag = carbons(list, "frag", 4, true);
    for (Atom* a = first_atom(frag); !atom_end(frag, a); a = a->next)
        a->selection = std::string(a->label) == "C3" ? 2 : 1;
    EXPECT_EQ(jkl_text(frag, 1), "Fragment of: frag\n    3    1    2    1\n    1    2\n"
                                 "    1C      1.500   0.000   0.000   0.000   4\n"
                                 "    2C      3.000   0.000   0.000   0.000   4\n"
                                 "    4C      6.000   0.000   0.000   0.000   4\n");
    EXPECT_EQ(frag->atoms.prev->prev->serial, 0);
    EXPECT_EQ(frag->atoms.prev->serial, 3);
}

// Above 99999 atoms the free layout; atom numbers of five digits make bond
// pairs touch in the fixed layout.
TEST(JklFile, LargeEntriesAreWrittenAndReadBack) {
    EntryList list;
    Entry* big = carbons(list, "big", 99999, false);
    EXPECT_EQ(jkl_text(big).substr(0, 25), "big\n99999    0    0    1\n");
    add_atom(big, "O", 8, 0.5, 0, -0.25);
    EXPECT_EQ(jkl_text(big).substr(0, 50),
              "big\n-100000 0 0 1\nC1\t1.500\t0.000\t0.000\t0.000\t4\nC2\t");

    Entry* wide = carbons(list, "wide", 10001, false);
    Qnsbd(&wide->bonds, wide->atoms.prev->prev, wide->atoms.prev);
    Qnsbd(&wide->bonds, wide->atoms.next, wide->atoms.prev);
    const std::string fixed = jkl_text(wide);
    EXPECT_EQ(fixed.substr(0, 47), "wide\n10001    2    2    1\n1000010001    110001\n");
    Read w(fixed);
    ASSERT_NE(w.entry, nullptr);
    EXPECT_EQ(jkl_text(w.entry), fixed);
}

// Each row: whether the text is what the writer makes (it is then written back
// byte for byte), what is printed after the count line, the text, the entry.
TEST(JklReader, EachKindOfEntryAndLayoutReadsItsColumns) {
    struct Row {
        bool written_back;
        std::string printed, text, entry;
    };
    const Row rows[] = {
        {true, "",
         "mol\n    3    2    2    1\n    1    2    1    3\n"
         "    1C      1.000   2.000  -3.000  -0.125   3\n"
         "   12CL     0.000   0.000   1.500   0.000   0\n"
         "    0N     -1.250   0.000   0.000   0.125   2\n",
         "mol 1 at -0.083 0.667 -0.500\nC1 6 3 1.000 2.000 -3.000 -0.125 30.00 1\n"
         "CL12 17 0 0.000 0.000 1.500 0.000 30.00 1\nN0 7 2 -1.250 0.000 0.000 0.125 30.00 1\n"},
        {true, "",
         "trace\n    1    0    0    8\n    7CA     1.000   2.000   3.000    0.50   3   12.25\n",
         "trace 8 at 1.000 2.000 3.000\n7 3 4 1.000 2.000 3.000 0.500 12.25 1\n"},
        {true, "", "pts\n    1    0    0  512\n    3PT     0.000   0.000   0.000   0.000 -261\n",
         "pts 512 at 0.000 0.000 0.000\n3 6 5 0.000 0.000 0.000 0.000 30.00 2\n"},
        // A short count line (no bonds, a molecule); a blank before a
        // one-letter symbol; a B-factor column; an unknown element.
        {false, "Element not found : \aXx\n",
         "m\n    2\n    7 N     0.000   0.000   0.000   0.000   2   17.50\n"
         "    1XX     2.000   0.000   0.000   0.000   0\n",
         "m 1 at 1.000 0.000 0.000\n"
         "N7 7 2 0.000 0.000 0.000 0.000 17.50 1\nXX1 6 0 2.000 0.000 0.000 0.000 30.00 1\n"},
        // A lattice in the fixed layout keeps its shell labels.
        {false, "",
         "lat\n    2    0    1 4096\n    1 0     0.000   0.000   0.000   0.000   0\n"
         "    2 1     1.532   0.000   0.000   0.000   1\n",
         "lat 4096 at 0.766 0.000 0.000\n0 6 0 0.000 0.000 0.000 0.000 30.00 1\n"
         "1 6 1 1.532 0.000 0.000 0.000 30.00 1\n"},
        // Free-layout tokens have at most two characters: a third one is read
        // as the first number and the fields shift.
        {false, "", "lat\n-2 0 0 4096\n99\t1.5\t0\t0\t0.25\t99\n123\t1.5\t0\t0\t0\t1\n",
         "lat 4096 at 2.250 0.750 0.000\n99 6 99 1.500 0.000 0.000 0.250 30.00 1\n"
         "12 6 0 3.000 1.500 0.000 0.000 30.00 1\n"},
        // A free-layout molecule line gives six values, one short of the
        // hydrogen count: the counts come from geometry.
        {false, "H-atom counts from geometrical cryteria!\n",
         "ethane\n-2 1 1 1\n 1 2\nC1\t0\t0\t0\t0\t1\nC2\t1.532\t0\t0\t0\t1\n",
         "ethane 1 at 0.766 0.000 0.000\n"
         "C1 6 3 0.000 0.000 0.000 0.000 30.00 1\nC2 6 3 1.532 0.000 0.000 0.000 30.00 1\n"},
        {false, "", std::string(300, 'n') + "\n-1 0 0 4096\n0\t0\t0\t0\t0\t0\n",
         std::string(83, 'n') +
             " 4096 at 0.000 0.000 0.000\n0 6 0 0.000 0.000 0.000 0.000 30.00 1\n"},
    };
    for (const Row& row : rows) {
        Read r(row.text);
        ASSERT_NE(r.entry, nullptr) << row.text;
        EXPECT_EQ(r.out.substr(r.out.find('\n') + 1) + r.err, row.printed) << row.text;
        EXPECT_EQ(summary(r.entry), row.entry) << row.text;
        if (row.written_back) {
            EXPECT_EQ(jkl_text(r.entry), row.text);
        }
    }
}

TEST(JklReader, WholeLabelsReadTheShellsOfLargeLatticesAndNothingElseDiffers) {
    // Shells 99, 123 (plain numbers) and 100 (a number sscanf reads) in the
    // free layout; the third line cut to two characters would shift its fields.
    const std::string lattice = "lat\n-3 0 0 4096\n99\t1.5\t0\t0\t0.25\t99\n"
                                "123\t1.5\t0\t0\t0\t123\n100\t-1.5e0\t2\t0\t0\t100\n";
    const Read whole(lattice, true);
    ASSERT_NE(whole.entry, nullptr);
    EXPECT_EQ(summary(whole.entry),
              "lat 4096 at 0.500 0.667 0.000\n99 6 99 1.500 0.000 0.000 0.250 30.00 1\n"
              "123 6 123 1.500 0.000 0.000 0.000 30.00 1\n"
              "100 6 100 -1.500 2.000 0.000 0.000 30.00 1\n");
    // Molecules keep their two-character tokens, element and all.
    const std::string ethane =
        "ethane\n-2 1 1 1\n 1 2\nC1x\t0\t0\t0\t0\t3\nC2\t1.532\t0\t0\t0\t3\n";
    EXPECT_EQ(summary(Read(ethane, true).entry), summary(Read(ethane).entry));
}

// Every failure leaves nothing in the list; bad bonds fail without a message.
// An empty file and a line that is too long show in the transcripts.
TEST(JklReader, EachFailureHasItsMessage) {
    std::vector<std::array<std::string, 2>> rows = {
        // text, standard output | standard error
        {"name only\n", "|Igtjklm: Error: Reading number of atoms\n"},
        {"name\nno count\n", "|Igtjklm: Error: S-reading number of atoms\n"},
        {"tch\n1234567890    4    1\n", "tch: 12345 atoms, 67890 bonds\n|Reading bonds: Success\n"},
        {"b\n-5 9 4 4096\n 1 2 1 3 1 4 1 5 2 3 2 4 2 5 3 4\n",
         "b: 5 atoms, 9 bonds\n|Reading bonds: Success\n"},
        {"a\n-3 2 2 4096\n 1 2 2 3\n0\t0\t0\t0\t0\t0\n",
         "a: 3 atoms, 2 bonds\n|Reading atoms: Success\n"},
        // The repeated pair fails before the missing bond line.
        {"r\n-3 9 2 4096\n 1 2 2 3 1 3 3 1 1 2 2 3 1 3 3 2\n", "r: 3 atoms, 9 bonds\n|"},
    };
    for (const char* bonds : {" 1 3 1 2", " 0 1 1 2", " 2 2 1 2", " 1 2 2 1", " 1 x", " 1"}) {
        rows.push_back(
            {"bad\n-2 2 1 4096\n" + std::string(bonds) + "\n0\t0\t0\t0\t0\t0\n1\t1\t0\t0\t0\t1\n",
             "bad: 2 atoms, 2 bonds\n|"});
    }
    for (const auto& [text, printed] : rows) {
        Read r(text);
        EXPECT_EQ(r.entry, nullptr) << text;
        EXPECT_EQ(r.out + "|" + r.err, printed) << text;
        EXPECT_EQ(r.list.size(), 0) << text;
    }
}

#if !defined(__SANITIZE_ADDRESS__)  // the sanitizers reserve terabytes of address space
// Reads text under an address-space limit of 256 MiB more than in use, where
// an array for 2^31 - 1 atoms (16 GiB) would not fit; ends the process with
// status 0 when the reader returned null.
static void read_with_little_memory(std::string text) {
    unsigned long pages = 0;  // address space in use
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm || std::fscanf(statm, "%lu", &pages) != 1) std::exit(2);
    const rlim_t limit = pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + (rlim_t{256} << 20);
    const rlimit space{limit, limit};
    setrlimit(RLIMIT_AS, &space);
    EntryList list;
    std::exit(Igtjklm(fmemopen(text.data(), text.size(), "r"), &list.head) == nullptr ? 0 : 1);
}

TEST(JklReader, CountsOfTwoToThe31CostNothingBeyondTheLinesRead) {
    EXPECT_EXIT(read_with_little_memory("huge\n-2147483647 1 2 4096\n 1 2\n0\t0\t0\t0\t0\t0\n"),
                testing::ExitedWithCode(0), "^Reading atoms: Success\n$");
    EXPECT_EXIT(
        read_with_little_memory("huge\n-9 2147483647 8 4096\n 1 2 1 3 1 4 1 5 1 6 1 7 1 8 1 9\n"),
        testing::ExitedWithCode(0), "^Reading bonds: Success\n$");
}
#endif

TEST(JklReader, FreeLayoutAtomLinesReadAsSscanfWithTheirFormatOnRandomLines) {
    // Labels and numbers plain and not, fields missing: values a line lacks
    // stay from the line before.
    auto row = [](const char* label, float x, float y, float z, float charge, int shell) {
        char text[160];
        std::snprintf(text, sizeof text, "%s %a %a %a %a %d\n", label, x, y, z, charge, shell);
        return std::string(text);
    };
    std::mt19937 engine(11);
    std::string text = "random\n-1000 0 0 4096\n", expected, read;
    char token[3] = {};
    float v[5] = {};
    int shell = 0;
    for (int i = 0; i < 1000; ++i) {
        const std::string line =
            random_text(engine, "012345678901234567890123456789..--\t\t\t\t\t\t  ex", 40);
        text += line + "\n";
        std::sscanf(line.c_str(), "%2s%f%f%f%f%d%f", token, &v[0], &v[1], &v[2], &v[3], &shell,
                    &v[4]);
        expected += row(token, v[0], v[1], v[2], v[3], shell);
    }
    Read r(text);
    ASSERT_NE(r.entry, nullptr);
    for (Atom* a = first_atom(r.entry); !atom_end(r.entry, a); a = a->next)
        read += row(a->label, a->x, a->y, a->z, a->charge, a->hcount);
    EXPECT_EQ(read, expected);
}
