#include "lattice/enumeration.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "lattice/generation.h"
#include "structure/elements.h"
#include "support/lattices.h"

namespace {

// Three vertices whose first lies at (1, 2, 2); shifted by s = 10 they lie at
// (10, 0, 0), (13, 3, 0) and (9, 0, 12).
void build_offset_lattice(TestLattice& lattice) {
    lattice.add(1.0f, 2.0f, 2.0f, 0);
    lattice.add(4.0f, 5.0f, 2.0f, 1);
    lattice.add(0.0f, 2.0f, 14.0f, 2);
    lattice.join(0, 1);
    lattice.join(0, 2);
}

} // namespace

TEST(Xltwnum, NumbersVerticesInListOrderAndBuildsTheTable) {
    TestLattice lattice;
    build_cubic(lattice, 1);
    for (Atom* v : lattice.vertices) {
        v->serial = 99;
        v->work = 7;
    }
    int count = 1;
    Atom* origin = nullptr;
    Atom** table = Xltwnum(lattice.entry, &count, &origin);
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(count, 27);
    EXPECT_EQ(origin, lattice[0]);
    for (int k = 1; k <= count; ++k) {
        EXPECT_EQ(table[k - 1], lattice[k - 1]);
        EXPECT_EQ(lattice[k - 1]->serial, k);
        EXPECT_EQ(lattice[k - 1]->work, 0);
    }
    std::free(table);
}

TEST(Xltwnum, CountWordZeroNumbersWithoutATable) {
    TestLattice lattice;
    build_offset_lattice(lattice);
    lattice[2]->serial = 0;
    int count = 0;
    Atom* origin = nullptr;
    EXPECT_EQ(Xltwnum(lattice.entry, &count, &origin), nullptr);
    EXPECT_EQ(count, 3);
    EXPECT_EQ(origin, lattice[0]);
    EXPECT_EQ(lattice[2]->serial, 3);
}

TEST(Xltwnum, TheLastVertexOfShellZeroIsTheOrigin) {
    TestLattice lattice;
    lattice.add(0, 0, 0, 0);
    lattice.add(1, 0, 0, 1);
    lattice.add(2, 0, 0, 0);
    lattice.add(3, 0, 0, 1);
    int count = 0;
    Atom* origin = lattice[1];
    Xltwnum(lattice.entry, &count, &origin);
    EXPECT_EQ(origin, lattice[2]);

    TestLattice without_origin;
    without_origin.add(0, 0, 0, 1);
    Xltwnum(without_origin.entry, &count, &origin);
    EXPECT_EQ(origin, nullptr);
    EXPECT_EQ(count, 1);
}

TEST(PrepareLattice, ShiftsTheFirstVertexOntoTheAxisAndReports) {
    TestLattice lattice;
    build_offset_lattice(lattice);
    testing::internal::CaptureStderr();
    PreparedLattice placed = prepare_lattice(lattice.entry, 10.0f, true);
    // The radius is taken about (s - x0, 0, 0) = (9, 0, 0): 1, 5 and 12.
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "2 shells, 3 vertices, radius 12.000000\n"
              "Center (1.000000, 2.000000, 2.000000) shifted to 10.000000, 0, 0\n");
    ASSERT_NE(placed.table, nullptr);
    EXPECT_EQ(placed.n, 3);
    EXPECT_EQ(placed.origin, lattice[0]);
    EXPECT_EQ(placed.table[2], lattice[2]);
    const float expected[3][3] = {{10, 0, 0}, {13, 3, 0}, {9, 0, 12}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lattice[i]->x, expected[i][0]);
        EXPECT_EQ(lattice[i]->y, expected[i][1]);
        EXPECT_EQ(lattice[i]->z, expected[i][2]);
    }
    std::free(placed.table);
}

TEST(PrepareLattice, ZeroShiftLeavesALatticeAtTheOriginUnchangedAndQuiet) {
    TestLattice lattice;
    build_cubic(lattice, 1);
    testing::internal::CaptureStderr();
    PreparedLattice placed = prepare_lattice(lattice.entry, 0.0f, false);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ASSERT_NE(placed.table, nullptr);
    EXPECT_EQ(lattice[1]->x, -1.532f);
    EXPECT_EQ(lattice[1]->y, -1.532f);
    EXPECT_EQ(lattice[1]->z, -1.532f);
    std::free(placed.table);
}

TEST(PrepareLattice, ALatticeWithoutVerticesIsRejected) {
    TestLattice lattice;
    std::snprintf(lattice.entry->name, sizeof lattice.entry->name, "empty");
    testing::internal::CaptureStderr();
    PreparedLattice placed = prepare_lattice(lattice.entry, 5.0f, true);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Lattice empty has no vertices!\n");
    EXPECT_EQ(placed.table, nullptr);
    EXPECT_EQ(placed.n, 0);
}

TEST(PrepareLattice, AGeneratedDiamondLatticeOfThreeShells) {
    const float points[6] = {0, 0, 0, -1, 0, 0};
    testing::internal::CaptureStderr();
    Entry* lattice = Xltgen(0, points, 3, nullptr, Qbdlen(6, 6));
    testing::internal::GetCapturedStderr();
    ASSERT_NE(lattice, nullptr);
    testing::internal::CaptureStderr();
    PreparedLattice placed = prepare_lattice(lattice, 10.0f, true);
    const std::string report = testing::internal::GetCapturedStderr();
    int shells = 0, n = 0;
    float radius = 0;
    ASSERT_EQ(
        std::sscanf(report.c_str(), "%d shells, %d vertices, radius %f", &shells, &n, &radius), 3);
    EXPECT_EQ(shells, 3);
    EXPECT_EQ(n, 41);
    // The farthest vertices lie three edges out in a zigzag: b * sqrt(19 / 3).
    EXPECT_NEAR(radius, 1.532 * std::sqrt(19.0 / 3.0), 1e-4);
    EXPECT_NE(report.find("Center (0.000000, 0.000000, 0.000000) shifted to 10.000000, 0, 0\n"),
              std::string::npos);
    ASSERT_NE(placed.table, nullptr);
    EXPECT_EQ(placed.n, 41);
    EXPECT_EQ(placed.origin, first_atom(lattice));
    EXPECT_EQ(placed.table[0], placed.origin);
    EXPECT_EQ(placed.origin->x, 10.0f);
    std::free(placed.table);
    Qdlntr(lattice, nullptr);
}
