// The grid walked step by step: the weights of a distance, steps for a polar
// angle or a distance without positions, and stopping early. The evaluate
// transcripts pin the order, angles and ends of ordinary grids and sweeps.
#include "sweep/sweep_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

GridSettings settings(float shift, float radius, float distance, int thetas, int phis) {
    GridSettings s;
    s.shift = shift;
    s.radius = radius;
    s.distance = distance;
    s.theta_count = thetas;
    s.phi_count = phis;
    return s;
}

std::vector<GridPoint> steps(const SweepGrid& grid) {
    std::vector<GridPoint> all;
    grid.walk([&](const GridPoint& point) {
        all.push_back(point);
        return true;
    });
    return all;
}

// A step as text: position or not, indices, angles in whole degrees, ends.
std::string described(const GridPoint& p) {
    return std::string(p.position ? "pos" : "none") + " i" + std::to_string(p.distance_index) +
           " j" + std::to_string(p.theta_index) + " " +
           std::to_string(std::lround(degrees(p.theta))) + "/" +
           std::to_string(std::lround(degrees(p.phi))) + (p.ring_end ? " ring" : "") +
           (p.distance_end ? " distance" : "");
}

}  // namespace

TEST(SweepGrid, TheWeightsOfOneDistanceAddUpToFourPi) {
    // The angles are single precision, so the sum is 4π to about six digits.
    for (int thetas = 1; thetas <= 40; ++thetas) {
        for (int phis : {0, 1, 2, 3, 7, 16, -3}) {
            double total = 0.0;
            for (const GridPoint& p : steps(SweepGrid(settings(9.0f, 1.0f, 10.0f, thetas, phis))))
                total += p.weight;
            EXPECT_NEAR(total, kFourPi, 1e-4) << thetas << " " << phis;
        }
    }
}

// A first sphere of negative radius puts the first distances behind the
// origin, where the counts of polar angles and azimuths come out below one.
TEST(SweepGrid, APolarAngleWithoutPositionsAndADistanceWithoutPolarAnglesStillTakeAStep) {
    // Distances -18, -14.2, -10.4, -6.6, -2.8 and 1; only the last has polar
    // angles (two poles) when they follow the distance.
    const SweepGrid grid(settings(-20.0f, 2.0f, -1.0f, 0, 1));
    std::vector<std::string> seen;
    for (const GridPoint& p : steps(grid)) seen.push_back(described(p));
    const std::vector<std::string> want = {
        "none i0 j-1 0/0 distance",      "none i1 j-1 0/0 distance", "none i2 j-1 0/0 distance",
        "none i3 j-1 0/0 distance",      "none i4 j-1 0/0 distance", "pos i5 j0 0/0 ring",
        "pos i5 j1 180/0 ring distance",
    };
    EXPECT_EQ(seen, want);
    EXPECT_EQ(grid.positions(), 2);

    // Three polar angles: the equator at -18 has -27 azimuths.
    seen.clear();
    for (const GridPoint& p : steps(SweepGrid(settings(-20.0f, 2.0f, -1.0f, 3, 0))))
        seen.push_back(described(p));
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen[0], "pos i0 j0 0/0 ring");
    EXPECT_EQ(seen[1], "none i0 j1 90/0 ring");
    EXPECT_EQ(seen[2], "pos i0 j2 180/0 ring distance");
}

TEST(SweepGrid, StopsWhenAskedAndHasNoStepWithoutADistance) {
    const SweepGrid grid(settings(5.0f, 3.0f, -25.0f, 0, 0));
    int visits = 0;
    EXPECT_FALSE(grid.walk([&](const GridPoint&) { return ++visits < 3; }));
    EXPECT_EQ(visits, 3);
    EXPECT_TRUE(steps(SweepGrid(settings(10.0f, 5.0f, -1.0f, 1, 1))).empty());
}
