#include "structure/cif_file.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "structure/model.h"

namespace {

// Runs `write` on an in-memory stream and returns what it wrote.
template <typename F> std::string written(F write) {
    char* buffer = nullptr;
    std::size_t size = 0;
    FILE* stream = open_memstream(&buffer, &size);
    write(stream);
    std::fclose(stream);
    std::string text(buffer, size);
    std::free(buffer);
    return text;
}

std::string quoted(const char* text) {
    return written([&](FILE* s) { Istcif_wrtNam(s, "[%s]", text); });
}

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string today() {
    std::time_t now = std::time(nullptr);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%d", std::localtime(&now));
    return date;
}

// An entry in its own list, released at the end of the test.
struct Scratch {
    Entry head;
    Entry* entry;
    explicit Scratch(int type) {
        head.type = 0;
        head.next = head.prev = &head;
        entry = Qnsntr(&head);
        entry->type = type;
    }
    ~Scratch() { Qdlntr(entry, &head); }
    Atom* atom(const char* label, float x, float y, float z, float mark = 1.0f, int shell = 4) {
        Atom* a = Qnsatm(&entry->atoms);
        std::strcpy(a->label, label);
        a->x = x, a->y = y, a->z = z;
        a->occupancy = mark;
        a->hcount = shell;
        return a;
    }
    std::string cif(int setmode = 0) {
        return written(
            [&](FILE* s) { Istcif(s, 1, &entry, nullptr, "dia1.jkl", setmode, nullptr); });
    }
};

// Three vertices: the origin, a sphere vertex (element 16) and a free one;
// the edge to the sphere vertex black, the other white.
struct SmallLattice : Scratch {
    Atom* origin = atom("0", 0, 0, 0, 0.0f, 0);
    Atom* marked = atom("1", 1.5f, -0.25f, 2.0f, 3.0f, 1);
    Atom* free_vertex = atom("1", -1.25f, 10.5f, -100.125f, 0.0f, 1);
    SmallLattice() : Scratch(kTypeLattice) {
        std::strcpy(entry->name, "dia1");
        marked->element = 16;
        Qnsbd(&entry->bonds, origin, marked)->colour = 0;
        Qnsbd(&entry->bonds, origin, free_vertex)->colour = 1;
    }
};

const char* const kEntityLoop =
    "\nloop_\n_entity_id\n_entity_type\n_entity_name_common\n_entity_kvt_status\n_entity_kvt_"
    "color\n"
    "_entity_kvt_atom_radius\n_entity_kvt_bond_radius\n_entity_kvt_half_bond\n_entity_kvt_atom_"
    "marker\n"
    "_entity_kvt_atom_label\n"
    " 0 4096         dia1                           visible    white     0.00  0.00 no  no  no \n";
const char* const kAtomItemsToZ = "\nloop_\n_atom_site_type_symbol\n_atom_site_label_atom_id\n_"
                                  "atom_site_Cartn_x\n_atom_site_Cartn_y\n"
                                  "_atom_site_Cartn_z\n";
const char* const kAtomItemsAfterZ =
    "_atom_site_occupancy\n_atom_site_B_iso_or_equiv\n_atom_site_attached_hydrogen\n_atom_site_"
    "entity_id\n"
    "_atom_site_chemical_conn_number\n_atom_site_kvt_chemical_shift\n_atom_site_kvt_set\n"
    "_atom_site_kvt_marker\n_atom_site_kvt_atom_label\n";
const char* const kBondLoop =
    "\nloop_\n_chemical_conn_bond_atom_1\n_chemical_conn_bond_atom_2\n_chemical_conn_kvt_color\n"
    "_chemical_conn_kvt_color_1\n_chemical_conn_kvt_color_2\n"
    "     1      2 black 0 0\n"
    "     1      3 white 0 0\n";

} // namespace

TEST(CifQuoting, BareWordsStayAndOthersAreQuotedByTheirContent) {
    EXPECT_EQ(quoted("C12"), "[C12]");
    EXPECT_EQ(quoted("it's"), "[it's]");
    EXPECT_EQ(quoted(""), "[?]");
    EXPECT_EQ(quoted("two words"), "[\"two words\"]");
    EXPECT_EQ(quoted("_item"), "[\"_item\"]");
    EXPECT_EQ(quoted("'x"), "[\"'x\"]");
    EXPECT_EQ(quoted("say \"hi\""), "['say \"hi\"']");
    EXPECT_EQ(quoted("\"x"), "['\"x']");
    EXPECT_EQ(quoted("it's \"x\""), "[\n;it's \"x\"\n;]");
}

TEST(CifNames, StatesAndColoursHaveTheirNames) {
    char out[16];
    std::string names;
    testing::internal::CaptureStdout();
    for (int state : {0, 1, 2, 3, 7, 9, -1})
        names = names + cif_status_name(state, out) + ",";
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "status out of limit\nstatus out of limit\n");
    EXPECT_EQ(names, "invisible,visible,active,active,active,9,-1,");
    names.clear();
    for (int colour : {0, -1, -7, 12, 13, -20})
        names = names + cif_colour_name(colour, out) + ",";
    EXPECT_EQ(names, "black,white,blue,salmon,black,20,");
}

TEST(CifFile, LatticeIsOneEntityWithItsVerticesAndEdges) {
    SmallLattice lattice;
    EXPECT_EQ(Istcif(nullptr, 1, &lattice.entry, nullptr, "x", 0, nullptr), kCifNoStream);
    std::string expected =
        "data_dia1.jkl\n_audit_creation_method  'Vandu kvt 1.2'\n_audit_creation_date     " +
        today() + "\n" + kEntityLoop + kAtomItemsToZ + kAtomItemsAfterZ +
        "6  0        0.000   0.000   0.000 0.00  30.00 0  0      1     ?           0 no  no \n"
        "16 1        1.500  -0.250   2.000 3.00  30.00 1  0      2     ?           0 no  no \n"
        "6  1       -1.250  10.500 -100.125 0.00  30.00 1  0      3     ?           0 no  no \n" +
        kBondLoop;
    EXPECT_EQ(lattice.cif(), expected);
}

TEST(CifFile, ANonZeroChargeAddsTheChargeColumn) {
    SmallLattice lattice;
    lattice.marked->charge = 1.25f;
    std::string text = lattice.cif();
    EXPECT_TRUE(has(text, std::string(kAtomItemsToZ) + "_atom_site_charge\n" + kAtomItemsAfterZ));
    EXPECT_TRUE(has(text, "   0.000  0.000 0.00  30.00 0 "));
    EXPECT_TRUE(has(text, "   2.000  1.250 3.00  30.00 1 "));
}

TEST(CifFile, MolecularAndPointEntriesShowSymbolsClassesShiftsAndSets) {
    Scratch mol(1), points(512);
    Atom* o = mol.atom("O 1", 0, 0, 0);
    o->element = 8;
    o->cshift = 12.5f;
    o->selection = 0x1c;
    o->display = 17;
    mol.entry->atoms.display = 16;
    Atom* p = points.atom("", 0, 0, 0, 2.0f, 3);
    p->cshift = 3.25f;
    p->cshifterr = 0.025f;
    points.entry->atoms.selection = 2;
    Entry* both[] = {mol.entry, points.entry};
    std::string text = written([&](FILE* s) { Istcif(s, 2, both, nullptr, "b", 1, nullptr); });
    EXPECT_TRUE(has(text, "_entity_kvt_atom_label\n_entity_kvt_set\n_entity_kvt_entry_set\n"));
    EXPECT_TRUE(has(text, " 0 non-polymer  ?  "));
    EXPECT_TRUE(has(text, " no  no  yes 1c  0\n 1 512          ?  "));
    EXPECT_TRUE(has(text, " no  no  no   0  2\n"));
    EXPECT_TRUE(has(text, "\nO  O1     "));
    EXPECT_TRUE(has(text, " 0      1   12.500      1c yes yes\n-259 ?      "));
    EXPECT_TRUE(has(text, " 1      2    3.250(025)  0 no  no \n"));
}

TEST(CifFile, PolymerAtomsCarryTheirResidueOrDots) {
    Scratch protein(kTypeProtein);
    Atom* n = protein.atom("N", 0, 0, 0);
    protein.atom("C", 0, 0, 0);
    n->element = 7;
    n->monomer = Qnsmon(&protein.entry->monomers, nullptr);
    std::strcpy(n->monomer->resname, "AL A");
    std::strcpy(n->monomer->chain, "B");
    n->monomer->resnum = 7;
    std::string text = protein.cif();
    EXPECT_TRUE(has(text, " 0 polymer      ?"));
    EXPECT_TRUE(has(text,
                    "_atom_site_label_atom_id\n_atom_site_label_res_id\n_atom_site_label_asym_id\n"
                    "_atom_site_label_seq_id\n_atom_site_Cartn_x\n"));
    EXPECT_TRUE(has(text, "_atom_site_entity_id\n_atom_site_entity_seq_num\n"));
    EXPECT_TRUE(has(text, "N  N      ALA  B     7   0.000"));
    EXPECT_TRUE(has(text, "30.00 4  0    1      1     ?           0 no  no  no \n"));
    EXPECT_TRUE(has(text, "C  C      .    .     .   0.000"));
    EXPECT_TRUE(has(text, "30.00 4  0    .      2 "));
}

TEST(CifFile, ASingleEntryWithACrystalEndsWithItsCell) {
    SmallLattice lattice;
    const float abc[3] = {10.0f, 20.5f, 30.25f};
    lattice.entry->crystal = Qgtxtl(abc);
    std::strcpy(lattice.entry->crystal->spgp, "P 1");
    std::string text = lattice.cif();
    EXPECT_TRUE(text.ends_with(
        std::string(kBondLoop) +
        "\n_cell_length_a                  10.000\n"
        "_cell_length_b                  20.500\n_cell_length_c                  30.250\n"
        "_cell_angle_alpha               90.000\n_cell_angle_beta                90.000\n"
        "_cell_angle_gamma               90.000\n_symmetry_space_group_name_h-m 'P 1'\n"));
}

TEST(CifFile, GemmiReadsTheLatticeBack) {
    SmallLattice lattice;
    std::strcpy(lattice.entry->name, "it's a \"lattice\"");
    char dir[] = "/tmp/korvi-cif-XXXXXX";
    ASSERT_NE(mkdtemp(dir), nullptr);
    std::string path = std::string(dir) + "/dia1.cif";
    FILE* file = std::fopen(path.c_str(), "w");
    ASSERT_NE(file, nullptr);
    Istcif(file, 1, &lattice.entry, nullptr, "dia1.jkl", 0, nullptr);
    std::fclose(file);
    std::string command =
        "/usr/bin/python3 " KORVI_TEST_DIR "/structure/cif_check.py " + path + " 3 2";
    EXPECT_EQ(std::system(command.c_str()), 0);
    std::remove(path.c_str());
    rmdir(dir);
}
