// The CIF picture of a lattice: the failure reported, and a real CIF reader's
// view of a run's picture, whose edge colours and entity the transcript pins.
#include "driver/lattice_picture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "structure/model.h"

TEST(LatticePicture, AFileThatCannotBeWrittenIsReportedAndTheLatticeKeepsItsColour) {
    Entry* lattice = Qnsntr(nullptr);
    lattice->type = kTypeLattice;
    lattice->colour = -7;
    Qnsatm(&lattice->atoms);
    testing::internal::CaptureStderr();
    write_lattice_picture(lattice, "/nonexistent-korvi-dir/dia1.cif", "dia1");
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "lattice cif file: No such file or directory\n");
    EXPECT_EQ(lattice->colour, -7);
    Qdlntr(lattice, nullptr);
}

// The picture of the verbose end-to-end run (lattice ldmd_4: 83 vertices, 112
// edges, 9 of them occupied by the sphere) reads with a real CIF reader.
TEST(LatticePicture, TheVerboseRunsPictureReadsWithGemmi) {
    std::string command =
        "/usr/bin/python3 " KORVI_TEST_DIR "/structure/cif_check.py " KORVI_TEST_DIR
        "/cli/walks_around_sphere_verbose/out/ldmd_4.cif 83 112 9";
    EXPECT_EQ(std::system(command.c_str()), 0);
}
