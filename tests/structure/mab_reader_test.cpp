// Reading .mab files: round trips, the one-at-a-time protocol, old versions,
// monomers, crystal lines and the failure path.
#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "structure/mab_fixtures.h"

namespace {

// A carbon atom line at (x, 0, 0) in the given entry, with bond count and partners.
std::string carbon(int entry, const std::string& bonds, float x = 0.0f) {
    char line[96];
    std::snprintf(line, sizeof line,
                  "C      %3d   0   6  4 %8.3f    0.000    0.000   0.000 0 0  %s\n", entry, x,
                  bonds.c_str());
    return line;
}

// State, colour and first bond colour of an entry as read.
std::string marks(const Entry* e) {
    const std::string bond =
        e->bonds.next == &e->bonds ? "-" : std::to_string(e->bonds.next->colour);
    return std::to_string(e->state) + " " + std::to_string(e->colour) + " " + bond;
}

struct MabReading : testing::Test {
    EntryList list;
    std::string out, err;
    Entry* read(std::FILE* fp, int oneatatime = 1) {
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        Entry* e = Igtmab(fp, &list.head, nullptr, nullptr, nullptr, oneatatime);
        out = testing::internal::GetCapturedStdout();
        err = testing::internal::GetCapturedStderr();
        return e;
    }
    Entry* read(std::string text, int oneatatime = 1) {
        std::FILE* fp = fmemopen(text.data(), text.size(), "r");
        Entry* e = read(fp, oneatatime);
        std::fclose(fp);
        return e;
    }
};

} // namespace

// Written again, the entry read gives the same block, crystal lines and all.
TEST_F(MabReading, WalkWrittenToAFileReadsBackTheSameAtomsBondsAndCrystal) {
    EntryList source;
    Entry* walk = make_walk(source, "wlk1", 4, 20);
    first_atom(walk)->x = 1.23456f;
    const float abc[3] = {10.0f, 20.0f, 40.0f};
    walk->crystal = Qgtxtl(abc);
    std::strcpy(walk->crystal->spgp, "P 21 21 21");
    walk->crystal->cell[5] = 120.0f, walk->crystal->shift[2] = 0.5f;
    std::FILE* fp = std::tmpfile();
    ASSERT_EQ(Istmab(fp, walk, 0), 0);
    std::rewind(fp);
    Entry* e = read(fp);
    std::fclose(fp);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(atoms_of(e),
              "1 6 3 1.235 0.500 -1.250 0.000 20 | 2\n2 6 2 1.500 0.500 -1.250 0.000 21 | 1 3\n"
              "3 6 2 3.000 0.500 -1.250 0.000 22 | 2 4\n4 6 3 4.500 0.500 -1.250 0.000 23 | 3\n");
    EXPECT_FLOAT_EQ(first_atom(e)->x, 1.235f);
    EXPECT_EQ(marks(e), "1 -1 1");
    EXPECT_EQ(out + err, "");
    EXPECT_EQ(mab_text(e), mab_text(walk));
}

TEST_F(MabReading, NineCharacterLabelKeepsSevenAndShiftsTheColumns) {
    Entry* e = read("Version 2\nEntry    1: 1  0  e\n"
                    "abcdefg12  1   0   6  4    1.000    2.000    3.000   0.000 0 0  0\n");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(atoms_of(e), "abcdefg 0 6 4.000 1.000 2.000 3.000 0 |\n");
}

TEST_F(MabReading, ABondIsMadeOnlyFromTheLineOfItsHigherNumberedAtom) {
    const std::string block = "Version 2\nEntry    1: 2  0  e\n" + carbon(1, "1 2");
    Entry* e = read(block + carbon(1, "0"));
    EXPECT_EQ(e->bonds.next, &e->bonds);
    e = read(block + carbon(1, "1 1"));
    ASSERT_NE(e->bonds.next, &e->bonds);
    EXPECT_EQ(e->bonds.next->atom1, first_atom(e)->next);
}

TEST_F(MabReading, TwoEntriesOfOneBlockStayInTheListInReverseFileOrder) {
    const std::string text = "Version 2\nEntry    1: 1  0  first\nEntry    2: 1  0  second\n" +
                             carbon(2, "0", 2.0f) + carbon(1, "0");
    EXPECT_EQ(read(text), nullptr);
    EXPECT_EQ(out + err, "");
    ASSERT_EQ(list.size(), 2);
    EXPECT_STREQ(list.head.next->name, "second");
    EXPECT_EQ(marks(list.head.next), "2 -6 -");
    EXPECT_EQ(marks(list.head.next->next), "2 -5 -");
    EXPECT_FLOAT_EQ(first_atom(list.head.next)->x, 2.0f);
    EXPECT_EQ(read(text, 0), nullptr);
    EXPECT_EQ(err, " 2 entries read\n");
}

TEST_F(MabReading, BlocksOfOneWriterComeBackOnePerCall) {
    EntryList source;
    std::string text;
    for (const char* name : {"w1", "w2", "w3"})
        text += mab_text(make_walk(source, name, 2, 1));
    std::FILE* fp = fmemopen(text.data(), text.size(), "r");
    for (const char* name : {"w1", "w2", "w3"}) {
        Entry* e = read(fp);
        ASSERT_NE(e, nullptr);
        EXPECT_STREQ(e->name, name);
        EXPECT_EQ(marks(e), name[1] == '3' ? "1 -1 1" : "2 -5 5");
    }
    EXPECT_EQ(read(fp), nullptr);
    std::fclose(fp);
    EXPECT_EQ(out + err, "");
}

// A call that fails releases every entry it made and leaves the others.
TEST_F(MabReading, MalformedFilesFailAsAWholeWithTheirMessages) {
    const std::string two = "Version 2\nEntry    1: 1  0  a\nEntry    2: 2  0  b\n";
    const std::string one = "Version 2\nEntry    1: 1  0  ";
    const std::string failed = "Read of mab-file failed!\n";
    const std::string cases[][3] = {
        // text, stdout, stderr
        {"# comment\n" + carbon(1, "0"), "Got no atoms!\n" + failed, ""},
        {two + carbon(1, "0") + carbon(2, "0") + carbon(2, "2 2 2"), failed,
         "Got no bond 3 -> 2!\n"},
        {one + "small\n" + carbon(1, "0") + carbon(1, "0"), failed,
         "Atom line 2 beyond the 1 atoms announced!\n"},
        {one + std::string(600, 'x') + "\n" + carbon(1, "0"), failed,
         "Line longer than 511 characters: Entry    1: 1  0  xx...\n"},
    };
    list.add("kept");
    for (const auto& [text, expected_out, expected_err] : cases) {
        EXPECT_EQ(read(text), nullptr);
        EXPECT_EQ(out, expected_out);
        EXPECT_EQ(err, expected_err);
        EXPECT_EQ(list.size(), 1);
    }
}

// An announced atom count bounds the atom lines but is not allocated blindly;
// a name is cut to 127 characters.
TEST_F(MabReading, LargeCountsAndLongNamesAreTakenWithinBounds) {
    EXPECT_NE(
        read("Version 2\nEntry    1: 2000000000  0  big\n" + carbon(1, "0") + carbon(1, "1 1")),
        nullptr);
    Entry* e =
        read("Version 2\nEntry    1: 1  0  " + std::string(200, 'n') + "\n" + carbon(1, "0"));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(std::string(e->name), std::string(127, 'n'));
}

// The version ends with the file: without a "Version" line there is no charge column.
TEST_F(MabReading, OlderVersionsLackMonomerRoleAndChargeColumns) {
    Entry* e = read("Version 1\nEntry    1: 2  v1\n"
                    "C        1   6  3    0.000    0.000    0.000   0.250 5  1 2\n"
                    "N        1   7  3    1.000    0.000    0.000  -0.250 6  1 1\n");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(atoms_of(e),
              "C 6 3 0.000 0.000 0.000 0.250 5 | N\nN 7 3 1.000 0.000 0.000 -0.250 6 | C\n");
    e = read("# v0\n\nCntl 5\npoc 1 2 3\nEntry    1: 1  v0\n"
             "O        1   8  2    0.000    1.000    2.000 9  0\n");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(atoms_of(e), "O 8 2 0.000 1.000 2.000 0.000 9 |\n");
}

// A missing monomer number repeats the one before; a monomer beyond the
// announced count is ignored; an atom of role 1 becomes its monomer's first.
// Labels go into four columns by length and by whether they start with the
// atom's element symbol.
TEST_F(MabReading, MonomerLinesAndFourColumnLabelsOfAProteinEntry) {
    auto atom = [](const char* label, int monomer, int element, int role) {
        char line[96];
        std::snprintf(line, sizeof line,
                      "%-7s  1 %3d %3d  0    0.000    0.000    0.000   0.000 0 %d  0\n", label,
                      monomer, element, role);
        return std::string(line);
    };
    Entry* e = read("Version 2\nEntry    1: 6  2  prot\nMonomer A  12 ALA\nMonomer Bx 7 3 GLY\n"
                    "Monomer C  1 2 3 EXTRA\n" +
                    atom("N", 1, 7, 0) + atom("CA", 1, 6, 0) + atom("FE", 2, 26, 0) +
                    atom("CL1", 2, 17, 1) + atom("OXT", 2, 8, 0) + atom("HD12", 0, 1, 0));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->type, kTypeProtein);
    Monomer* ala = e->monomers.next;
    Monomer* gly = ala->next;
    ASSERT_EQ(gly->next, &e->monomers);
    EXPECT_EQ(std::string(ala->chain) + ala->icode + ala->resname, "A ALA");
    EXPECT_EQ(std::tuple(ala->resnum, ala->restype, ala->num3), std::tuple(12, 12, 12));
    EXPECT_EQ(std::string(gly->chain) + gly->icode + gly->resname, "BxGLY");
    EXPECT_EQ(std::tuple(gly->resnum, gly->restype, gly->num3), std::tuple(7, 3, 3));
    std::string labels;
    for (Atom* a = first_atom(e); !atom_end(e, a); a = a->next)
        labels += std::string(a->label) + ";";
    EXPECT_EQ(labels, " N   ; CA  ;FE   ;CL1  ; OXT ;HD12 ;");
    EXPECT_EQ(ala->first, first_atom(e));
    EXPECT_EQ(gly->first, first_atom(e)->next->next->next);

    e = read("Version 2\nEntry    1: 1  3  lone\n" + carbon(1, "0"));
    EXPECT_EQ(e->type, 1);
    EXPECT_EQ(err, "lone -> stdandard entry\n");
}
