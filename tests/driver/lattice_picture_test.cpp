// The CIF picture of a lattice: edge colours at the sphere, the file written
// or the failure reported, and a real CIF reader's view of a run's picture.
#include "driver/lattice_picture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "structure/model.h"
#include "support/files.h"

namespace {

// A lattice in the process-wide entry list: a sphere vertex (element 16)
// bonded to the origin, and a free vertex bonded to the origin.
struct PictureLattice {
    Entry* entry = Qnsntr(nullptr);
    Bond* to_sphere;
    Bond* free_edge;
    PictureLattice() {
        entry->type = kTypeLattice;
        entry->state = 6;
        entry->colour = -7;
        Atom* origin = Qnsatm(&entry->atoms);
        Atom* marked = Qnsatm(&entry->atoms);
        Atom* free = Qnsatm(&entry->atoms);
        marked->element = 16;
        to_sphere = Qnsbd(&entry->bonds, marked, origin);
        free_edge = Qnsbd(&entry->bonds, origin, free);
        to_sphere->colour = free_edge->colour = 7;
    }
    ~PictureLattice() { Qdlntr(entry, nullptr); }
};

}  // namespace

TEST(LatticePicture, EdgesAtTheSphereAreBlackAndThePictureIsWrittenOrItsFailureReported) {
    PictureLattice lattice;
    testing::internal::CaptureStderr();
    write_lattice_picture(lattice.entry, "/nonexistent-korvi-dir/dia1.cif", "dia1");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "lattice cif file: No such file or directory\n");
    EXPECT_EQ(lattice.entry->colour, -7);

    TempDir dir;
    const std::string path = dir / "dia1.cif";
    testing::internal::CaptureStderr();
    write_lattice_picture(lattice.entry, path.c_str(), "dia1.jkl");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Written: " + path + "\n");
    EXPECT_EQ(lattice.to_sphere->colour, 0);
    EXPECT_EQ(lattice.free_edge->colour, 1);
    EXPECT_EQ(lattice.entry->colour, -1);
    EXPECT_EQ(lattice.entry->state, 1);
    const std::string text = read_file(path);
    EXPECT_EQ(text.rfind("data_dia1.jkl\n", 0), 0u);
    EXPECT_NE(text.find(" visible    white "), std::string::npos);
    EXPECT_NE(text.find("     2      1 black 0 0\n     1      3 white 0 0\n"), std::string::npos);
}

// The picture of the verbose end-to-end run (lattice ldmd_4: 83 vertices, 112
// edges, 9 of them occupied by the sphere) reads with a real CIF reader.
TEST(LatticePicture, TheVerboseRunsPictureReadsWithGemmi) {
    std::string command =
        "/usr/bin/python3 " KORVI_TEST_DIR "/structure/cif_check.py " KORVI_TEST_DIR
        "/cli/walks_around_sphere_verbose/out/ldmd_4.cif 83 112 9";
    EXPECT_EQ(std::system(command.c_str()), 0);
}
