// Vertex numbers and the vertex table of a lattice, and its placement at the
// start of a run: shift, report, enumeration.
#include "lattice/enumeration.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "support/lattices.h"

// Numbers replace whatever `serial` held; the count word's bit 0 asks for
// the table; the origin is the last vertex of shell 0, none without one.
TEST(Xltwnum, NumbersVerticesInListOrderAndBuildsTheTableOnRequest) {
    TestLattice lattice;
    build_cubic(lattice, 1);
    for (Atom* v : lattice.vertices) v->serial = 99, v->work = 7;
    int count = 1;
    Atom* origin = nullptr;
    Atom** table = Xltwnum(lattice.entry, &count, &origin);
    ASSERT_EQ(count, 27);
    EXPECT_EQ(origin, lattice[0]);
    for (int k = 1; k <= count; ++k) {
        EXPECT_EQ(table[k - 1], lattice[k - 1]);
        EXPECT_EQ(lattice[k - 1]->serial, k);
        EXPECT_EQ(lattice[k - 1]->work, 0);
    }
    std::free(table);

    lattice[2]->serial = 0;
    lattice[5]->hcount = 0;
    count = 0;
    EXPECT_EQ(Xltwnum(lattice.entry, &count, &origin), nullptr);
    EXPECT_EQ(count, 27);
    EXPECT_EQ(lattice[2]->serial, 3);
    EXPECT_EQ(origin, lattice[5]);

    TestLattice without_origin;
    without_origin.add(0, 0, 0, 1);
    Xltwnum(without_origin.entry, &count, &origin);
    EXPECT_EQ(origin, nullptr);
    EXPECT_EQ(count, 1);
}

// Three vertices whose first lies at (1, 2, 2); shifted by s = 10 they lie at
// (10, 0, 0), (13, 3, 0) and (9, 0, 12), 1, 5 and 12 from (s - x0, 0, 0).
TEST(PrepareLattice, ShiftsTheFirstVertexOntoTheAxisAndReports) {
    TestLattice lattice;
    lattice.add(1.0f, 2.0f, 2.0f, 0);
    lattice.add(4.0f, 5.0f, 2.0f, 1);
    lattice.add(0.0f, 2.0f, 14.0f, 2);
    testing::internal::CaptureStderr();
    PreparedLattice placed = prepare_lattice(lattice.entry, 10.0f, true);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "2 shells, 3 vertices, radius 12.000000\n"
              "Center (1.000000, 2.000000, 2.000000) shifted to 10.000000, 0, 0\n");
    ASSERT_NE(placed.table, nullptr);
    EXPECT_EQ(placed.n, 3);
    const float expected[3][3] = {{10, 0, 0}, {13, 3, 0}, {9, 0, 12}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lattice[i]->x, expected[i][0]);
        EXPECT_EQ(lattice[i]->y, expected[i][1]);
        EXPECT_EQ(lattice[i]->z, expected[i][2]);
    }
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
