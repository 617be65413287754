// Direction vectors of the four lattice types for the driver's first
// direction, and the classification of a vertex's edges against them.
#include "lattice/directions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "structure/model.h"
#include "support/entry_list.h"

namespace {

constexpr float kLength = 1.5f;

// The table of a lattice type for the first direction (2, 0, 0), rows of
// length 1.5.
void build(DirectionTable t, int type) {
    ASSERT_TRUE(set_generation_type(type));
    t[0][0] = 2.0;
    t[0][1] = t[0][2] = 0.0;
    Xltvec(t, kLength);
}

// A vertex labelled "v" in its own entry, with edges to atoms placed by hand.
struct Star {
    EntryList list;
    Entry* entry = list.add();
    Atom* v = add_atom(entry, "v", 6, 0, 0, 0);
    void edge(double x, double y, double z) {
        Qnsbd(&entry->bonds, v, add_atom(entry, "", 6, x, y, z));
    }
    void edge(const double* row, int sign = 1) {
        edge(sign * row[0], sign * row[1], sign * row[2]);
    }
};

// Xltfre's edge count and the free marks of the first c directions.
std::pair<int, std::vector<int>> free_of(const Atom* v, const DirectionTable t, int c) {
    int free[kMaxDirections];
    const int edges = Xltfre(v, t, free);
    return {edges, std::vector<int>(free, free + c)};
}

}  // namespace

// Diamond: d = +x in a frame w = +z, u = -y; body centred cubic: d, the other
// diamond rows negated, then as they are, and -d; face centred cubic: d - w,
// d - u, d + w, d + u, w - u, w + u, u - w, -u - w, w - d, u - d, -d - w,
// -d - u, each over sqrt 2.
TEST(DirectionTable, EachTypeHasItsRowsInTheirOrder) {
    const double third = 1.0 / 3, s2 = std::sqrt(2.0) / 3, s6 = std::sqrt(6.0) / 3;
    const double r = 1 / std::sqrt(2.0);
    // Three components per row.
    const std::pair<int, std::vector<double>> cases[] = {
        {kDiamond, {1, 0, 0, -third, 0, 2 * s2, -third, -s6, -s2, -third, s6, -s2}},
        {kSimpleCubic, {1, 0, 0, 0, 0, 1, 0, -1, 0, 0, 0, -1, 0, 1, 0, -1, 0, 0}},
        {kBodyCentredCubic,
         {1,      0, 0,      third,  0,   -2 * s2, third,  s6, s2,  third, -s6, s2,
          -third, 0, 2 * s2, -third, -s6, -s2,     -third, s6, -s2, -1,    0,   0}},
        {kFaceCentredCubic, {r, 0,  -r, r, r, 0,  r,  0, r, r,  -r, 0, 0,  r, r,  0,  -r, r,
                             0, -r, -r, 0, r, -r, -r, 0, r, -r, -r, 0, -r, 0, -r, -r, r,  0}},
    };
    for (const auto& [type, rows] : cases) {
        DirectionTable t;
        build(t, type);
        for (std::size_t k = 0; k < rows.size(); ++k)
            EXPECT_NEAR(t[k / 3][k % 3], kLength * rows[k], 1e-12)
                << "type " << type << ", row " << k / 3 << ", component " << k % 3;
    }
}

TEST(FreeDirections, OriginAndFirstNeighbourOfDiamondUseOppositeSigns) {
    DirectionTable t;
    build(t, kDiamond);
    Star origin;
    origin.edge(t[0]);
    Atom* first = first_atom(origin.entry)->next;
    EXPECT_EQ(free_of(origin.v, t, 4), (std::pair{1, std::vector{0, 1, 1, 1}}));
    EXPECT_EQ(free_of(first, t, 4), (std::pair{1, std::vector{0, -1, -1, -1}}));
}

// Edges along -d (row 5) and w (row 1).
TEST(FreeDirections, CubicLatticesKeepThePlusSign) {
    DirectionTable t;
    build(t, kSimpleCubic);
    Star s;
    s.edge(t[0], -1);
    s.edge(t[1]);
    EXPECT_EQ(free_of(s.v, t, 6), (std::pair{2, std::vector{1, 0, 1, 1, 1, 0}}));
}

// Edges along +D_0, -D_1 and no direction: the first edge fixes the sign, so
// the free directions are used with +.
TEST(FreeDirections, MismatchedEdgesAreReportedOnStdout) {
    DirectionTable t;
    build(t, kDiamond);
    Star s;
    s.edge(t[0]);
    s.edge(t[1], -1);
    s.edge(0, kLength, 0);
    testing::internal::CaptureStdout();
    EXPECT_EQ(free_of(s.v, t, 4), (std::pair{3, std::vector{0, 0, 1, 1}}));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "v: sign error!\nv: ligand error!\n");
}
