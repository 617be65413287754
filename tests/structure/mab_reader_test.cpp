// Reading .mab files: round trips, the one-at-a-time protocol, old versions,
// monomers, crystal lines and the failure path.
#include <gtest/gtest.h>

#include <cstring>

#include "structure/mab_fixtures.h"

namespace {

// A carbon atom line at (x, 0, 0) in the given entry, with bond count and
// partners: label, entry, monomer, element, hcount, x, y, z, charge,
// selection, role, bonds.
std::string carbon(int entry, const std::string& bonds, int x = 0) {
    return "C      " + std::to_string(entry) + " 0 6 4 " + std::to_string(x) + " 0 0 0 0 0 " +
           bonds + "\n";
}

// Name, state, colour and first bond colour ("-" without bonds) of an entry.
std::string marks(const Entry* e) {
    const std::string bond =
        e->bonds.next == &e->bonds ? "-" : std::to_string(e->bonds.next->colour);
    return e->name + (" " + std::to_string(e->state)) + " " + std::to_string(e->colour) + " " +
           bond;
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

}  // namespace

// Blocks of one walk each, as this program writes them, come back one per call:
// each entry but the last at the next block's "Version" line (state 2, colour
// 5), the last at the end of the file (state 1, colour 1). Written again, each
// gives the same block, crystal lines and all.
TEST_F(MabReading, BlocksOfOneWriterComeBackOnePerCallWithTheirAtomsBondsAndCrystal) {
    EntryList source;
    Entry* walk = make_walk(source, "w1", 4, 20);
    first_atom(walk)->x = 1.23456f;
    const float abc[3] = {10.0f, 20.0f, 40.0f};
    walk->crystal = Qgtxtl(abc);
    std::strcpy(walk->crystal->spgp, "P 21 21 21");
    walk->crystal->cell[5] = 120.0f, walk->crystal->shift[2] = 0.5f;
    make_walk(source, "w2", 2, 1);
    make_walk(source, "w3", 2, 1);
    std::FILE* fp = std::tmpfile();
    for (Entry* w = source.head.next; w != &source.head; w = w->next)
        ASSERT_EQ(Istmab(fp, w, 0), 0);
    std::rewind(fp);
    for (Entry* w = source.head.next; w != &source.head; w = w->next) {
        Entry* e = read(fp);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(marks(e), w->name + std::string(w->next == &source.head ? " 1 -1 1" : " 2 -5 5"));
        EXPECT_EQ(mab_text(e), mab_text(w));
    }
    EXPECT_EQ(read(fp), nullptr);
    std::fclose(fp);
    EXPECT_EQ(out + err, "");
    EXPECT_EQ(atoms_of(list.head.next),
              "1 6 3 1.235 0.500 -1.250 0.000 20 | 2\n2 6 2 1.500 0.500 -1.250 0.000 21 | 1 3\n"
              "3 6 2 3.000 0.500 -1.250 0.000 22 | 2 4\n4 6 3 4.500 0.500 -1.250 0.000 23 | 3\n");
}

// Each row: a file of one entry, its name and atoms as read. A label of nine
// characters keeps seven and shifts the columns; a bond is made only from the
// line of its higher-numbered atom; an announced atom count bounds the atom
// lines but is not allocated blindly; a name is cut to 127 characters. The
// version ends with the file: without a "Version" line there is no charge
// column, and version 1 lacks the monomer and role columns.
TEST_F(MabReading, EachKindOfLineReadsItsColumns) {
    const std::string v2 = "Version 2\nEntry    1: ", c = carbon(1, "0");
    const std::string lone = "C 6 4 0.000 0.000 0.000 0.000 0 |\n";
    const std::string bonded = "C 6 4 0.000 0.000 0.000 0.000 0 | C\n";
    const std::string rows[][2] = {
        {v2 + "1  0  e\nabcdefg12  1   0   6  4    1.000    2.000    3.000   0.000 0 0  0\n",
         "e\nabcdefg 0 6 4.000 1.000 2.000 3.000 0 |\n"},
        {v2 + "2  0  e\n" + carbon(1, "1 2") + c, "e\n" + lone + lone},
        {v2 + "2  0  e\n" + carbon(1, "1 2") + carbon(1, "1 1"), "e\n" + bonded + bonded},
        {v2 + "2000000000  0  big\n" + c + carbon(1, "1 1"), "big\n" + bonded + bonded},
        {v2 + "1  0  " + std::string(200, 'n') + "\n" + c, std::string(127, 'n') + "\n" + lone},
        {"Version 1\nEntry    1: 2  v1\n"
         "C        1   6  3    0.000    0.000    0.000   0.250 5  1 2\n"
         "N        1   7  3    1.000    0.000    0.000  -0.250 6  1 1\n",
         "v1\nC 6 3 0.000 0.000 0.000 0.250 5 | N\nN 7 3 1.000 0.000 0.000 -0.250 6 | C\n"},
        {"# v0\n\nCntl 5\npoc 1 2 3\nEntry    1: 1  v0\n"
         "O        1   8  2    0.000    1.000    2.000 9  0\n",
         "v0\nO 8 2 0.000 1.000 2.000 0.000 9 |\n"},
    };
    for (const auto& [text, expected] : rows) {
        Entry* e = read(text);
        ASSERT_NE(e, nullptr) << text;
        EXPECT_EQ(e->name + ("\n" + atoms_of(e)), expected) << text;
    }
}

TEST_F(MabReading, TwoEntriesOfOneBlockStayInTheListInReverseFileOrder) {
    const std::string text = "Version 2\nEntry    1: 1  0  first\nEntry    2: 1  0  second\n" +
                             carbon(2, "0", 2) + carbon(1, "0");
    EXPECT_EQ(read(text), nullptr);
    EXPECT_EQ(out + err, "");
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(marks(list.head.next) + ", " + marks(list.head.prev), "second 2 -6 -, first 2 -5 -");
    EXPECT_FLOAT_EQ(first_atom(list.head.next)->x, 2.0f);
    EXPECT_EQ(read(text, 0), nullptr);
    EXPECT_EQ(err, " 2 entries read\n");
}

// A call that fails releases every entry it made and leaves the others.
TEST_F(MabReading, MalformedFilesFailAsAWholeWithTheirMessages) {
    const std::string two = "Version 2\nEntry    1: 1  0  a\nEntry    2: 2  0  b\n";
    const std::string one = "Version 2\nEntry    1: 1  0  ";
    const std::string failed = "Read of mab-file failed!\n";
    const std::string cases[][2] = {
        // text, standard output | standard error
        {"# comment\n" + carbon(1, "0"), "Got no atoms!\n" + failed + "|"},
        {two + carbon(1, "0") + carbon(2, "0") + carbon(2, "2 2 2"),
         failed + "|Got no bond 3 -> 2!\n"},
        {one + "small\n" + carbon(1, "0") + carbon(1, "0"),
         failed + "|Atom line 2 beyond the 1 atoms announced!\n"},
        {one + std::string(600, 'x') + "\n" + carbon(1, "0"),
         failed + "|Line longer than 511 characters: Entry    1: 1  0  xx...\n"},
    };
    list.add("kept");
    for (const auto& [text, printed] : cases) {
        EXPECT_EQ(read(text), nullptr);
        EXPECT_EQ(out + "|" + err, printed);
        EXPECT_EQ(list.size(), 1);
    }
}

// Missing monomer numbers repeat the one before; a monomer beyond the
// announced count is ignored; an atom of role 1 becomes its monomer's first.
// Labels go into four columns by length and by whether they start with the
// atom's element symbol.
TEST_F(MabReading, MonomerLinesAndFourColumnLabelsOfAProteinEntry) {
    Entry* e = read("Version 2\nEntry    1: 6  2  prot\nMonomer A  12 ALA\nMonomer Bx 7 3 GLY\n"
                    "Monomer C  1 2 3 EXTRA\nN      1 1 7 0 0 0 0 0 0 0 0\n"
                    "CA     1 1 6 0 0 0 0 0 0 0 0\nFE     1 2 26 0 0 0 0 0 0 0 0\n"
                    "CL1    1 2 17 0 0 0 0 0 0 1 0\nOXT    1 2 8 0 0 0 0 0 0 0 0\n"
                    "HD12   1 0 1 0 0 0 0 0 0 0 0\n");
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->type, kTypeProtein);
    std::string read_back;
    for (Monomer* m = e->monomers.next; m != &e->monomers; m = m->next) {
        char text[160];
        std::snprintf(text, sizeof text, "%s%c%s %d %d %d from %s;", m->chain, m->icode, m->resname,
                      m->resnum, m->restype, m->num3, m->first->label);
        read_back += text;
    }
    for (Atom* a = first_atom(e); !atom_end(e, a); a = a->next)
        read_back += std::string(a->label) + ";";
    EXPECT_EQ(
        read_back,
        "A ALA 12 12 12 from  N   ;BxGLY 7 3 3 from CL1  ; N   ; CA  ;FE   ;CL1  ; OXT ;HD12 ;");

    e = read("Version 2\nEntry    1: 1  3  lone\n" + carbon(1, "0"));
    EXPECT_EQ(e->type, 1);
    EXPECT_EQ(err, "lone -> stdandard entry\n");
}
