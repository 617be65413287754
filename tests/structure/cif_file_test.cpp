// CIF export: quoting of names, state and colour names, the lattice picture
// written exactly with its optional charge column and cell, and the picture
// read back by an independent CIF reader.
#include "structure/cif_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "structure/model.h"
#include "support/entry_list.h"
#include "support/files.h"
#include "support/memory_stream.h"

namespace {

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// Three vertices: the origin, a vertex the sphere occupies (element 16, mark
// 3) and a free one; the edge to the occupied vertex black, the other white.
struct CifFile : testing::Test {
    EntryList list;
    Entry* lattice = list.add("dia1", kTypeLattice);
    Atom* origin = atom(lattice, "0", 0, 0, 0, 0.0f, 0);
    Atom* marked = atom(lattice, "1", 1.5, -0.25, 2.0, 3.0f, 1);
    Atom* free_vertex = atom(lattice, "1", -1.25, 10.5, -100.125, 0.0f, 1);
    CifFile() {
        marked->element = 16;
        Qnsbd(&lattice->bonds, origin, marked)->colour = 0;
        Qnsbd(&lattice->bonds, origin, free_vertex)->colour = 1;
    }
    static Atom* atom(Entry* e, const char* label, double x, double y, double z, float mark,
                      int hcount) {
        Atom* a = add_atom(e, label, 6, x, y, z);
        a->occupancy = mark;
        a->hcount = hcount;
        return a;
    }
    static std::string cif(Entry* e) {
        return written([&](FILE* s) { Istcif(s, 1, &e, nullptr, "dia1.jkl", 0, nullptr); });
    }
};

const char* const kAtomItemsToZ = "\nloop_\n_atom_site_type_symbol\n_atom_site_label_atom_id\n"
                                  "_atom_site_Cartn_x\n_atom_site_Cartn_y\n_atom_site_Cartn_z\n";
const char* const kAtomItemsAfterZ =
    "_atom_site_occupancy\n_atom_site_B_iso_or_equiv\n_atom_site_attached_hydrogen\n"
    "_atom_site_entity_id\n_atom_site_chemical_conn_number\n_atom_site_kvt_chemical_shift\n"
    "_atom_site_kvt_set\n_atom_site_kvt_marker\n_atom_site_kvt_atom_label\n";
const char* const kBondLoop =
    "\nloop_\n_chemical_conn_bond_atom_1\n_chemical_conn_bond_atom_2\n_chemical_conn_kvt_color\n"
    "_chemical_conn_kvt_color_1\n_chemical_conn_kvt_color_2\n"
    "     1      2 black 0 0\n"
    "     1      3 white 0 0\n";

}  // namespace

TEST(CifQuoting, BareWordsStayAndOthersAreQuotedByTheirContent) {
    std::string quoted;
    for (const char* text :
         {"C12", "it's", "", "two words", "_item", "'x", "say \"hi\"", "\"x", "it's \"x\""})
        quoted += written([&](FILE* s) { Istcif_wrtNam(s, "[%s]", text); });
    EXPECT_EQ(quoted, "[C12][it's][?][\"two words\"][\"_item\"][\"'x\"]['say \"hi\"']['\"x']"
                      "[\n;it's \"x\"\n;]");
}

TEST(CifNames, StatesAndColoursHaveTheirNames) {
    char out[16];
    std::string names;
    testing::internal::CaptureStdout();
    for (int state : {0, 1, 2, 3, 7, 9, -1}) names = names + cif_status_name(state, out) + ",";
    for (int colour : {0, -1, -7, 12, 13, -20}) names = names + cif_colour_name(colour, out) + ",";
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "status out of limit\nstatus out of limit\n");
    EXPECT_EQ(names,
              "invisible,visible,active,active,active,9,-1,black,white,blue,salmon,black,20,");
}

TEST_F(CifFile, LatticeIsOneEntityWithItsVerticesAndEdges) {
    EXPECT_EQ(Istcif(nullptr, 1, &lattice, nullptr, "x", 0, nullptr), kCifNoStream);
    const std::time_t now = std::time(nullptr);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%d", std::localtime(&now));
    EXPECT_EQ(
        cif(lattice),
        "data_dia1.jkl\n_audit_creation_method  'Vandu kvt 1.2'\n_audit_creation_date     " +
            std::string(date) +
            "\n\nloop_\n_entity_id\n_entity_type\n_entity_name_common\n_entity_kvt_status\n"
            "_entity_kvt_color\n_entity_kvt_atom_radius\n_entity_kvt_bond_radius\n"
            "_entity_kvt_half_bond\n_entity_kvt_atom_marker\n_entity_kvt_atom_label\n"
            " 0 4096         dia1                           visible    white     0.00  0.00 "
            "no  no  no \n" +
            kAtomItemsToZ + kAtomItemsAfterZ +
            "6  0        0.000   0.000   0.000 0.00  30.00 0  0      1     ?           0 no  no \n"
            "16 1        1.500  -0.250   2.000 3.00  30.00 1  0      2     ?           0 no  no \n"
            "6  1       -1.250  10.500 -100.125 0.00  30.00 1  0      3     ?           0 no  no "
            "\n" +
            kBondLoop);
}

// A non-zero charge adds the charge column; a single entry with a crystal
// ends with its cell.
TEST_F(CifFile, AChargeAddsItsColumnAndACrystalItsCell) {
    marked->charge = 1.25f;
    const float abc[3] = {10.0f, 20.5f, 30.25f};
    lattice->crystal = Qgtxtl(abc);
    std::strcpy(lattice->crystal->spgp, "P 1");
    const std::string text = cif(lattice);
    EXPECT_TRUE(has(text, std::string(kAtomItemsToZ) + "_atom_site_charge\n" + kAtomItemsAfterZ));
    EXPECT_TRUE(has(text, "   0.000  0.000 0.00  30.00 0 "));
    EXPECT_TRUE(has(text, "   2.000  1.250 3.00  30.00 1 "));
    EXPECT_TRUE(text.ends_with(
        std::string(kBondLoop) +
        "\n_cell_length_a                  10.000\n_cell_length_b                  20.500\n"
        "_cell_length_c                  30.250\n_cell_angle_alpha               90.000\n"
        "_cell_angle_beta                90.000\n_cell_angle_gamma               90.000\n"
        "_symmetry_space_group_name_h-m 'P 1'\n"));
}

TEST_F(CifFile, GemmiReadsTheLatticeBack) {
    std::strcpy(lattice->name, "it's a \"lattice\"");
    TempDir dir;
    const std::string path = (dir / "dia1.cif").string();
    write_file(path, cif(lattice));
    const std::string command =
        "/usr/bin/python3 " KORVI_TEST_DIR "/structure/cif_check.py " + path + " 3 2";
    EXPECT_EQ(std::system(command.c_str()), 0);
}
