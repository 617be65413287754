// Reading .mab files: round trips, the one-at-a-time protocol, old versions,
// monomers, crystal lines and the failure path.
#include <cstring>

#include "structure/mab_fixtures.h"

namespace {

// A carbon atom line at the origin of the given entry, with bond count and partners.
std::string carbon(int entry, const std::string& bonds, float x = 0.0f) {
    char line[96];
    std::snprintf(line, sizeof line, "C      %3d   0   6  4 %8.3f    0.000    0.000   0.000 0 0  %s\n",
                  entry, x, bonds.c_str());
    return line;
}

struct MabReading : testing::Test {
    ScratchList list;
    std::string out, err;
    Entry* read(std::FILE* fp, int oneatatime = 1) {
        return captured([&] { return Igtmab(fp, &list.head, nullptr, nullptr, nullptr, oneatatime); },
                        &out, &err);
    }
    Entry* read(std::string text, int oneatatime = 1) {
        std::FILE* fp = fmemopen(text.data(), text.size(), "r");
        Entry* e = read(fp, oneatatime);
        std::fclose(fp);
        return e;
    }
};

TEST_F(MabReading, WalkWrittenToAFileReadsBackTheSameAtomsAndBonds) {
    ScratchList source;
    Entry* walk = make_walk(&source.head, "wlk1", 4, 20);
    first_atom(walk)->x = 1.23456f;
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
    EXPECT_STREQ(e->name, "wlk1");
    EXPECT_EQ(e->state * 100 + e->colour * 10 + e->bonds.next->colour, 100 - 10 + 1);
    EXPECT_EQ(out + err, "");
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
    Qdlntr(e, &list.head);
    e = read(block + carbon(1, "1 1"));
    ASSERT_NE(e->bonds.next, &e->bonds);
    EXPECT_EQ(e->bonds.next->atom1, first_atom(e)->next);
}

TEST_F(MabReading, TwoEntriesOfOneBlockStayInTheListInReverseFileOrder) {
    const std::string text = "Version 2\nEntry    1: 1  0  first\nEntry    2: 1  0  second\n" +
                             carbon(2, "0", 2.0f) + carbon(1, "0");
    EXPECT_EQ(read(text), nullptr);
    EXPECT_EQ(out + err, "");
    ASSERT_EQ(list.names(), "second;first;");
    Entry* second = list.head.next;
    Entry* first = second->next;
    EXPECT_EQ(first->colour * 10 + second->colour, -56);
    EXPECT_EQ(first->state + second->state, 4);
    EXPECT_FLOAT_EQ(first_atom(second)->x, 2.0f);
    EXPECT_FLOAT_EQ(first_atom(first)->x, 0.0f);
    EXPECT_EQ(read(text, 0), nullptr);
    EXPECT_EQ(err, " 2 entries read\n");
}

TEST_F(MabReading, BlocksOfOneWriterComeBackOnePerCall) {
    ScratchList source;
    std::string text;
    for (const char* name : {"w1", "w2", "w3"}) text += mab_text(make_walk(&source.head, name, 2, 1));
    std::FILE* fp = fmemopen(text.data(), text.size(), "r");
    for (const char* name : {"w1", "w2", "w3"}) {
        Entry* e = read(fp);
        ASSERT_NE(e, nullptr);
        EXPECT_STREQ(e->name, name);
        const bool last = std::strcmp(name, "w3") == 0;
        EXPECT_EQ(e->state * 100 + e->colour * 10 + e->bonds.next->colour, last ? 100 - 10 + 1 : 200 - 50 + 5);
    }
    EXPECT_EQ(read(fp), nullptr);
    std::fclose(fp);
    EXPECT_EQ(out + err, "");
}

TEST_F(MabReading, AtomLinesBeforeAnyEntryFail) {
    EXPECT_EQ(read("# comment\n" + carbon(1, "0")), nullptr);
    EXPECT_EQ(out, "Got no atoms!\nRead of mab-file failed!\n");
    EXPECT_EQ(list.names(), "");
}

TEST_F(MabReading, AFailedBondReleasesEveryEntryOfTheCall) {
    std::strcpy(Qnsntr(&list.head)->name, "kept");
    const std::string text = "Version 2\nEntry    1: 1  0  a\nEntry    2: 2  0  b\n";
    EXPECT_EQ(read(text + carbon(1, "0") + carbon(2, "0") + carbon(2, "2 2 2")), nullptr);
    EXPECT_EQ(err, "Got no bond 3 -> 2!\n");
    EXPECT_EQ(out, "Read of mab-file failed!\n");
    EXPECT_EQ(list.names(), "kept;");
}

TEST_F(MabReading, AnnouncedAtomCountsBoundTheAtomLinesButAreNotAllocatedBlindly) {
    Entry* e = read("Version 2\nEntry    1: 2000000000  2000000000  big\n" + carbon(1, "0") + carbon(1, "1 1"));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(atoms_of(e), "C 6 4 0.000 0.000 0.000 0.000 0 | 2\nC 6 4 0.000 0.000 0.000 0.000 0 | 1\n");
    EXPECT_EQ(read("Version 2\nEntry    1: 1  0  small\n" + carbon(1, "0") + carbon(1, "0")), nullptr);
    EXPECT_EQ(err, "Atom line 2 beyond the 1 atoms announced!\n");
    EXPECT_EQ(list.names(), "big;");
}

TEST_F(MabReading, LongNamesAreCutLinesLongerThanTheBufferFail) {
    const std::string comment = "# Entry " + std::string(600, 'c') + "\n";
    Entry* e = read("Version 2\n" + comment + "Entry    1: 1  0  " + std::string(200, 'n') + "\n" +
                    carbon(1, "0"));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(std::string(e->name), std::string(127, 'n'));

    const std::string entry_line = "Entry    1: 1  0  " + std::string(600, 'x');
    EXPECT_EQ(read("Version 2\n" + entry_line + "\n" + carbon(1, "0")), nullptr);
    EXPECT_EQ(err, "Line longer than 511 characters: " + entry_line.substr(0, 20) + "...\n");
    EXPECT_EQ(out, "Read of mab-file failed!\n");
    EXPECT_EQ(list.names(), std::string(127, 'n') + ";");
}

TEST_F(MabReading, OlderVersionsLackMonomerRoleAndChargeColumns) {
    Entry* e = read("Version 1\nEntry    1: 2  v1\n"
                    "C        1   6  3    0.000    0.000    0.000   0.250 5  1 2\n"
                    "N        1   7  3    1.000    0.000    0.000  -0.250 6  1 1\n");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(atoms_of(e), "C 6 3 0.000 0.000 0.000 0.250 5 | 2\nN 7 3 1.000 0.000 0.000 -0.250 6 | 1\n");
    // The version ends with the file: without a "Version" line there is no charge column.
    e = read("# v0\n\nCntl 5\npoc 1 2 3\nEntry    1: 1  v0\nO        1   8  2    0.000    1.000    2.000 9  0\n");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(atoms_of(e), "O 8 2 0.000 1.000 2.000 0.000 9 |\n");
}

TEST_F(MabReading, MonomerLinesAndFourColumnLabelsOfAProteinEntry) {
    const std::string tail = "    0.000    0.000    0.000   0.000 0 ";
    Entry* e = read("Version 2\nEntry    1: 6  2  prot\n"
                    "Monomer A  12 ALA\nMonomer Bx 7 3 GLY\nMonomer C  1 2 3 EXTRA\n"
                    "N        1   1   7  1" + tail + "0  0\nCA       1   1   6  1" + tail + "0  0\n"
                    "FE       1   2  26  0" + tail + "0  0\nCL1      1   2  17  0" + tail + "1  0\n"
                    "OXT      1   2   8  0" + tail + "0  0\nHD12     1   0   1  0" + tail + "0  0\n");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->type, kTypeProtein);
    EXPECT_EQ(e->monindex, nullptr);
    Monomer* ala = e->monomers.next;
    Monomer* gly = ala->next;
    ASSERT_EQ(gly->next, &e->monomers);
    EXPECT_EQ(std::string(ala->chain) + ala->icode + ala->resname + std::to_string(ala->resnum) +
                  std::to_string(ala->restype) + std::to_string(ala->num3), "A ALA121212");
    EXPECT_EQ(std::string(gly->chain) + gly->icode + gly->resname + std::to_string(gly->resnum) +
                  std::to_string(gly->restype) + std::to_string(gly->num3), "BxGLY733");
    std::string labels;
    for (Atom* a = first_atom(e); !atom_end(e, a); a = a->next) labels += std::string(a->label) + ";";
    EXPECT_EQ(labels, " N   ; CA  ;FE   ;CL1  ; OXT ;HD12 ;");
    Atom* fe = first_atom(e)->next->next;
    EXPECT_EQ(ala->first, first_atom(e));
    EXPECT_EQ(fe->monomer, gly);
    EXPECT_EQ(gly->first, fe->next);  // role 1 takes over from the first atom

    e = read("Version 2\nEntry    1: 1  3  lone\n" + carbon(1, "0"));
    EXPECT_EQ(e->type, 1);
    EXPECT_EQ(err, "lone -> stdandard entry\n");
}

TEST_F(MabReading, CrystalLinesRoundTrip) {
    ScratchList source;
    Entry* walk = make_walk(&source.head, "xtal", 1, 1);
    const float abc[3] = {10.0f, 20.0f, 40.0f};
    Crystal* c = walk->crystal = Qgtxtl(abc);
    std::strcpy(c->spgp, "P 21 21 21");
    c->cell[5] = 120.0f, c->frac[0][1] = -0.25f, c->shift[2] = 0.5f;
    Entry* e = read(mab_text(walk));
    ASSERT_NE(e->crystal, nullptr);
    EXPECT_STREQ(e->crystal->spgp, "P 21 21 21");
    EXPECT_EQ(std::memcmp(e->crystal->cell, c->cell, sizeof c->cell), 0);
    EXPECT_EQ(std::memcmp(e->crystal->frac, c->frac, sizeof c->frac), 0);
    EXPECT_EQ(std::memcmp(e->crystal->shift, c->shift, sizeof c->shift), 0);
}

}  // namespace
