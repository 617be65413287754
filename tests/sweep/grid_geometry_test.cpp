// Sweep grid arithmetic: distances, angle counts and steps, solid-angle
// weights, shell volumes and probe positions.
#include "sweep/grid_geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

TEST(GridGeometry, ANegativeDistanceSweepsFromContactThroughShellsOfGrowingVolume) {
    DistanceGrid grid = make_distance_grid(-40.0f, 10.0f, 5.0f);
    EXPECT_TRUE(grid.swept);
    ASSERT_EQ(grid.count, 4);
    EXPECT_EQ(std::to_string(grid.step), "8.333333");
    const char* distances[] = {"15.000000", "23.333332", "31.666666", "40.000000"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(std::to_string(grid_distance(grid, i)), distances[i]) << i;
    EXPECT_NEAR(shell_volume(grid, 0, grid_distance(grid, 0)), 1222.03, 0.01);
    EXPECT_NEAR(shell_volume(grid, 3, grid_distance(grid, 3)), 13381.56, 0.01);
}

TEST(GridGeometry, AShortSweepIsOneDistanceInTheMiddleAndAFixedDistanceOnePositionOfFourPi) {
    DistanceGrid grid = make_distance_grid(-16.0f, 10.0f, 5.0f);
    EXPECT_EQ(grid.count, 1);  // (1/5 + 3) / 2
    EXPECT_EQ(grid.first, 15.5f);
    EXPECT_EQ(grid.step, 0.0f);
    EXPECT_EQ(make_distance_grid(-1.0f, 10.0f, 5.0f).count, 0);
    grid = make_distance_grid(12.5f, 5.0f, 3.0f);
    EXPECT_FALSE(grid.swept);
    EXPECT_EQ(grid.count, 1);
    EXPECT_EQ(grid_distance(grid, 0), 12.5f);
    EXPECT_EQ(theta_count(1, 12.5f, 12.5f, 3.0f), 1);
    EXPECT_EQ(theta_step(1), 0.0f);
    EXPECT_EQ(solid_angle_weight(true, 0.0f, 0.0f, 1), kFourPi);
    EXPECT_EQ(shell_volume(grid, 0, 12.5f), 156.25);
}

TEST(GridGeometry, AngleCountsFollowTheDistanceAndTheRing) {
    DistanceGrid grid = make_distance_grid(-40.0f, 10.0f, 5.0f);
    const int automatic[] = {6, 9, 11, 14}, scaled[] = {6, 5, 4, 3};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(theta_count(0, grid_distance(grid, i), grid.first, 5.0f), automatic[i]) << i;
        EXPECT_EQ(theta_count(-2, grid_distance(grid, i), grid.first, 5.0f), scaled[i]) << i;
    }
    EXPECT_EQ(theta_count(7, 40.0f, 15.0f, 5.0f), 7);
    const float right = static_cast<float>(kPi / 2);
    EXPECT_EQ(phi_count(0, 15.0f, 15.0f, 5.0f, right), 10);
    EXPECT_EQ(phi_count(0, 15.0f, 15.0f, 5.0f, 0.0f), 1);
    EXPECT_EQ(phi_count(-2, 30.0f, 15.0f, 5.0f, right), 6);  // 2 + 0.5·9.42
    EXPECT_EQ(phi_count(4, 15.0f, 15.0f, 5.0f, right), 4);
}

TEST(GridGeometry, ThreeThetasAndFourPhisMakeAPolarCapAndAnEquatorialRingOfFour) {
    const float dtheta = theta_step(3);
    EXPECT_EQ(dtheta, static_cast<float>(kPi / 2));
    EXPECT_EQ(phi_step(4), dtheta);
    EXPECT_NEAR(degrees(2 * dtheta), 180.0, 1e-5);
    EXPECT_NEAR(solid_angle_weight(true, 0.0f, dtheta, 4), kTwoPi * (1.0 - std::cos(kPi / 4)),
                1e-6);
    EXPECT_NEAR(solid_angle_weight(false, dtheta, dtheta, 4),
                kTwoPi * (std::cos(kPi / 4) - std::cos(3 * kPi / 4)) / 4, 1e-6);
}

TEST(GridGeometry, ProbePositionsUseTheXAxisAsPole) {
    ProbePosition p = probe_position(10.0f, 0.0f, 0.0f);
    EXPECT_EQ((std::array{p.x, p.y, p.z}), (std::array{10.0f, 0.0f, 0.0f}));
    p = probe_position(10.0f, static_cast<float>(kPi / 2), static_cast<float>(kPi / 2));
    EXPECT_NEAR(p.x, 0.0f, 1e-5);
    EXPECT_NEAR(p.y, 10.0f, 1e-5);
    EXPECT_NEAR(p.z, 0.0f, 1e-5);
}
