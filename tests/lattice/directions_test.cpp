// The classification of a vertex's edges against the direction vectors of a
// lattice type. The generated lattice files of the transcripts pin the
// vectors of every type, in their order.
#include "lattice/directions.h"

#include <gtest/gtest.h>

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
