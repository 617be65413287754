#include "walks/scoring.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "support/lattices.h"
#include "walks/walk_record.h"

namespace {

// A walk of four positions over four vertices, all free (0.0).
class WalkContact : public testing::Test {
  protected:
    void SetUp() override {
        for (int i = 0; i < 4; ++i)
            lattice.add(static_cast<float>(i), 0, 0, i)->occupancy = 0.0f;
        walk = Xnslwk(4);
        walk->nvertices = 4;
        for (int i = 0; i < 4; ++i)
            walk->vertices[i] = lattice[i];
        Xlwkhit(nullptr, 0);
    }
    void TearDown() override { std::free(walk); }

    WalkHit score() { return Xlwkhit(walk, walk->nvertices); }

    TestLattice lattice;
    WalkRecord* walk = nullptr;
};

} // namespace

TEST(Xlwkpar, ThreeParametersWithNamesAndHelp) {
    int count = 0;
    const char* const* names = nullptr;
    const char* const* helps = nullptr;
    float* values = Xlwkpar(&count, &names, &helps);
    EXPECT_EQ(count, 3);
    EXPECT_STREQ(names[0], "interaction strength");
    EXPECT_STREQ(names[1], "interaction distance");
    EXPECT_STREQ(names[2], "gauche-trans energy");
    EXPECT_STREQ(names[3], "lattice walks");
    EXPECT_EQ(std::strncmp(helps[2], "The energy difference (in units of kT)", 38), 0);
    EXPECT_EQ(values[0], 0.0f);
    EXPECT_EQ(values[1], 0.0f);
    EXPECT_EQ(values[2], 0.0f);
    EXPECT_EQ(Xlwkpar(nullptr, nullptr, nullptr), values);
}

TEST_F(WalkContact, TheFirstPositionNeverTouches) {
    lattice[0]->occupancy = 4.0f;
    EXPECT_EQ(score().hits, 0);
}

TEST_F(WalkContact, AMarkedLastPositionTouchesWithoutReporting) {
    lattice[3]->occupancy = 3.0f;
    const WalkHit hit = score();
    EXPECT_EQ(hit.hits, 1);
    EXPECT_EQ(hit.amp, 0);
    EXPECT_EQ(hit.dist, 0);
    // The remembered pair was not touched: the next free walk still reports.
    lattice[3]->occupancy = 0.0f;
    EXPECT_EQ(score().amp, 1);
}

TEST_F(WalkContact, NotANumberCountsAsAMark) {
    lattice[2]->occupancy = std::nanf("");
    EXPECT_EQ(score().hits, 1);
}

TEST_F(WalkContact, OnlyPositionsUpToNAreTested) {
    lattice[3]->occupancy = 3.0f;
    EXPECT_EQ(Xlwkhit(walk, 3).hits, 0);
}

TEST_F(WalkContact, ZeroParametersAfterAResetReportAmpOne) {
    const WalkHit hit = score();
    EXPECT_EQ(hit.hits, 0);
    EXPECT_EQ(hit.amp, 1);
    EXPECT_EQ(hit.dist, 0);
}

TEST_F(WalkContact, EqualParametersAreReportedOnce) {
    walk->params[0] = 0.5f;
    walk->params[1] = 2.0f;
    const WalkHit first = score();
    EXPECT_EQ(first.amp, 50001);
    EXPECT_EQ(first.dist, 200000);
    const WalkHit second = score();
    EXPECT_EQ(second.amp, 0);
    EXPECT_EQ(second.dist, 0);
    walk->params[1] = 3.0f;
    EXPECT_EQ(score().dist, 300000);
}

TEST_F(WalkContact, ANotANumberParameterIsReportedEveryTime) {
    walk->params[0] = std::nanf("");
    EXPECT_EQ(score().amp, INT_MIN);
    EXPECT_EQ(score().amp, INT_MIN);
}

TEST_F(WalkContact, AWalkEntryTakesItsPositionsFromItsAtoms) {
    TestLattice entry; // a walk entry: its atoms point at the lattice vertices
    for (int i = 0; i < 4; ++i)
        set_walk_vertex(entry.add(0, 0, 0, 0), lattice[i]);
    entry[0]->charge = -1.5f;
    entry[1]->charge = 4.0f;
    entry[2]->charge = 9.0f;
    const WalkHit free_walk = Xlwkhit(entry.entry);
    EXPECT_EQ(free_walk.hits, 0);
    EXPECT_EQ(free_walk.amp, -149999);
    EXPECT_EQ(free_walk.dist, 400000);

    lattice[2]->occupancy = 3.0f;
    EXPECT_EQ(Xlwkhit(entry.entry).hits, 1);
    // A position beyond the lattice has no vertex and never touches.
    set_walk_vertex(entry[2], nullptr);
    EXPECT_EQ(Xlwkhit(entry.entry).hits, 0);
}

TEST(Xlwkfrc, FractionAndFreeEnergy) {
    const WalkFraction* f = Xlwkfrc(1000, 250);
    ASSERT_NE(f, nullptr);
    EXPECT_DOUBLE_EQ(f->touched, 0.75);
    EXPECT_NEAR(f->free_energy, 1.3862943611198906, 1e-15);
    EXPECT_EQ(Xlwkfrc(1000, 1000)->free_energy, 0.0);
    EXPECT_TRUE(std::signbit(Xlwkfrc(1000, 1000)->free_energy));
}

TEST(Xlwkfrc, NoResultWithoutWalksOrFreeWalks) {
    EXPECT_EQ(Xlwkfrc(1000, 0), nullptr);
    EXPECT_EQ(Xlwkfrc(0, 0), nullptr);
    EXPECT_EQ(Xlwkfrc(-3, 5), nullptr);
}
