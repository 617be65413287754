// The grid walked step by step: positions in the sweep's order, the ends of
// polar angles and distances, and steps for a polar angle or a distance
// without positions.
#include "sweep/sweep_grid.h"

#include <gtest/gtest.h>

#include <bit>
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

TEST(SweepGrid, ThreePolarAnglesAndFourAzimuthsAreTwoPolesAndAnEquatorOfFour) {
    const SweepGrid grid(settings(5.0f, 3.0f, 12.0f, 3, 4));
    const std::vector<GridPoint> all = steps(grid);
    std::vector<std::string> seen;
    for (const GridPoint& p : all) seen.push_back(described(p));
    const std::vector<std::string> want = {
        "pos i0 j0 0/0 ring", "pos i0 j1 90/0",        "pos i0 j1 90/90",
        "pos i0 j1 90/180",   "pos i0 j1 90/270 ring", "pos i0 j2 180/0 ring distance",
    };
    EXPECT_EQ(seen, want);
    EXPECT_EQ(grid.positions(), 6);
    double total = 0.0;
    for (const GridPoint& p : all) {
        EXPECT_EQ(p.dist, 12.0f);
        EXPECT_EQ(p.volume, 144.0);  // dist² for a single distance
        const ProbePosition at = probe_position(p.dist, p.theta, p.phi);
        EXPECT_TRUE(at.x == p.probe.x && at.y == p.probe.y && at.z == p.probe.z);
        total += p.weight;
    }
    EXPECT_NEAR(total, kFourPi, 1e-5);
    EXPECT_NEAR(all[0].weight, kTwoPi * (1.0 - std::cos(kPi / 4)), 1e-6);
}

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

TEST(SweepGrid, ASweepEndsEachDistanceAfterItsPolarAngles) {
    // Distances 15, 23.3, 31.7 and 40 with 6, 5, 4 and 3 polar angles of one
    // azimuth each.
    const SweepGrid grid(settings(10.0f, 5.0f, -40.0f, -2, 1));
    EXPECT_EQ(grid.distances().count, 4);
    const std::vector<GridPoint> all = steps(grid);
    ASSERT_EQ(all.size(), 18u);
    EXPECT_EQ(grid.positions(), 18);
    const int ends[] = {5, 10, 14, 17};
    int distance = 0;
    for (std::size_t n = 0; n < all.size(); ++n) {
        const GridPoint& p = all[n];
        EXPECT_TRUE(p.position && p.ring_end) << n;
        EXPECT_EQ(p.distance_index, distance) << n;
        EXPECT_EQ(p.dist, grid_distance(grid.distances(), distance)) << n;
        EXPECT_EQ(p.volume, shell_volume(grid.distances(), distance, p.dist)) << n;
        EXPECT_EQ(p.distance_end, static_cast<int>(n) == ends[distance]) << n;
        if (p.distance_end) ++distance;
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

TEST(SweepGrid, IsWalkedAgainAlikeStopsWhenAskedAndHasNoStepWithoutADistance) {
    const SweepGrid grid(settings(5.0f, 3.0f, -25.0f, 0, 0));
    const std::vector<GridPoint> first = steps(grid);
    const std::vector<GridPoint> second = steps(grid);
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t n = 0; n < first.size(); ++n) {
        EXPECT_EQ(described(first[n]), described(second[n]));
        EXPECT_EQ(std::bit_cast<std::uint32_t>(first[n].probe.y),
                  std::bit_cast<std::uint32_t>(second[n].probe.y));
        EXPECT_EQ(first[n].weight, second[n].weight);
    }
    EXPECT_GT(first.size(), 400u);
    int visits = 0;
    EXPECT_FALSE(grid.walk([&](const GridPoint&) { return ++visits < 3; }));
    EXPECT_EQ(visits, 3);
    EXPECT_TRUE(steps(SweepGrid(settings(10.0f, 5.0f, -1.0f, 1, 1))).empty());
}
