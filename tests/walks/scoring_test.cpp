// Walk scoring: the contact test with its parameter reports, for records and
// entries, and the fraction statistics.
#include "walks/scoring.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>
#include <tuple>
#include <utility>

#include "support/lattices.h"
#include "walks/walk_record.h"

namespace {

using Codes = std::array<int, 3>;  // hits, amp code, dist code

Codes codes(const WalkHit& hit) {
    return {hit.hits, hit.amp, hit.dist};
}

// A walk of four positions over four free vertices, after a reset.
class WalkContact : public testing::Test {
protected:
    WalkContact() {
        walk->nvertices = 4;
        for (int i = 0; i < 4; ++i) {
            walk->vertices[i] = lattice.add(static_cast<float>(i), 0, 0, i);
            walk->vertices[i]->occupancy = 0.0f;
        }
        Xlwkhit(nullptr, 0);
    }
    ~WalkContact() override { std::free(walk); }

    Codes score(int n = 4) { return codes(Xlwkhit(walk, n)); }

    TestLattice lattice;
    WalkRecord* walk = Xnslwk(4);
};

}  // namespace

TEST_F(WalkContact, AWalkTouchesAtAMarkOfOneOrMoreAfterItsFirstPositionWithinN) {
    // The vertex marked, its mark, the positions tested and the hits.
    const std::tuple<int, float, int, int> cases[] = {{0, 4.0f, 4, 0},  {3, 3.0f, 4, 1},
                                                      {3, 3.0f, 3, 0},  {1, 1.0f, 4, 1},
                                                      {1, 0.99f, 4, 0}, {2, NAN, 4, 1}};
    for (auto [vertex, mark, n, hits] : cases) {
        lattice[vertex]->occupancy = mark;
        EXPECT_EQ(score(n)[0], hits) << vertex << " at " << mark;
        lattice[vertex]->occupancy = 0.0f;
    }
}

TEST_F(WalkContact, AFreeWalkReportsItsParametersWhenTheyDifferFromTheLastReported) {
    EXPECT_EQ(score(), (Codes{0, 1, 0})) << "zero parameters after the reset";
    EXPECT_EQ(score(), (Codes{0, 0, 0}));
    walk->params[0] = 0.5f;
    walk->params[1] = 2.0f;
    EXPECT_EQ(score(), (Codes{0, 50001, 200000}));
    // A touching walk reports nothing and leaves the remembered pair.
    walk->params[1] = 3.0f;
    lattice[3]->occupancy = 3.0f;
    EXPECT_EQ(score(), (Codes{1, 0, 0}));
    lattice[3]->occupancy = 0.0f;
    EXPECT_EQ(score(), (Codes{0, 50001, 300000}));
    // Not a number is never equal to the remembered value.
    walk->params[0] = NAN;
    EXPECT_EQ(score(), (Codes{0, INT_MIN, 300000}));
    EXPECT_EQ(score()[1], INT_MIN);
}

TEST_F(WalkContact, AWalkEntryTakesItsPositionsAndParametersFromItsAtoms) {
    TestLattice entry;  // a walk entry: its atoms point at the lattice vertices
    for (int i = 0; i < 4; ++i) set_walk_vertex(entry.add(0, 0, 0, 0), lattice[i]);
    entry[0]->charge = -1.5f;
    entry[1]->charge = 4.0f;
    EXPECT_EQ(codes(Xlwkhit(entry.entry)), (Codes{0, -149999, 400000}));
    lattice[2]->occupancy = 3.0f;
    EXPECT_EQ(Xlwkhit(entry.entry).hits, 1);
    // A position beyond the lattice has no vertex and never touches.
    set_walk_vertex(entry[2], nullptr);
    EXPECT_EQ(Xlwkhit(entry.entry).hits, 0);
}

TEST(Xlwkfrc, FractionTouchedAndFreeEnergyOrNothingWithoutWalksOrFreeWalks) {
    const WalkFraction* f = Xlwkfrc(1000, 250);
    ASSERT_NE(f, nullptr);
    EXPECT_DOUBLE_EQ(f->touched, 0.75);
    EXPECT_NEAR(f->free_energy, 1.3862943611198906, 1e-15);
    EXPECT_EQ(std::to_string(Xlwkfrc(1000, 1000)->free_energy), "-0.000000");
    for (auto [walks, counted] : {std::pair{1000, 0}, {0, 0}, {-3, 5}})
        EXPECT_EQ(Xlwkfrc(walks, counted), nullptr);
}
