#include "driver/sweep_grid.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

std::string printed(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%f", value);
    return text;
}

// Sum of the weights of every probe position at one distance (the angles
// are single precision, so the sum is 4π to about six digits).
double total_weight(int thetas, int phis) {
    float dtheta = theta_step(thetas);
    double total = 0.0;
    for (int j = 0; j < thetas; ++j) {
        float theta = static_cast<float>(j) * dtheta;
        bool pole = j == 0 || j == thetas - 1;
        int p = phi_count(phis, 10.0f, 10.0f, 1.0f, theta);
        double w = solid_angle_weight(pole, theta, dtheta, p);
        total += pole ? w : w * p;
    }
    return total;
}

}  // namespace

TEST(SweepGrid, FixedDistanceIsOnePositionWeightedFourPi) {
    DistanceGrid grid = make_distance_grid(12.5f, 5.0f, 3.0f);
    EXPECT_EQ(grid.count, 1);
    EXPECT_FALSE(grid.swept);
    EXPECT_EQ(grid_distance(grid, 0), 12.5f);
    EXPECT_EQ(theta_count(1, 12.5f, 12.5f, 3.0f), 1);
    EXPECT_EQ(theta_step(1), 0.0f);
    EXPECT_EQ(solid_angle_weight(true, 0.0f, 0.0f, 1), kFourPi);
    EXPECT_EQ(shell_volume(grid, 0, 12.5f), 156.25);
}

TEST(SweepGrid, NegativeDistanceSweepsFromContact) {
    DistanceGrid grid = make_distance_grid(-40.0f, 10.0f, 5.0f);
    EXPECT_TRUE(grid.swept);
    ASSERT_EQ(grid.count, 4);
    EXPECT_EQ(printed(grid.step), "8.333333");
    EXPECT_EQ(printed(grid_distance(grid, 0)), "15.000000");
    EXPECT_EQ(printed(grid_distance(grid, 1)), "23.333332");
    EXPECT_EQ(printed(grid_distance(grid, 2)), "31.666666");
    EXPECT_EQ(printed(grid_distance(grid, 3)), "40.000000");
}

TEST(SweepGrid, ShortSweepIsOneDistanceInTheMiddle) {
    DistanceGrid grid = make_distance_grid(-16.0f, 10.0f, 5.0f);
    EXPECT_EQ(grid.count, 1);  // (1/5 + 3) / 2
    EXPECT_EQ(grid.first, 15.5f);
    EXPECT_EQ(grid.step, 0.0f);
    EXPECT_EQ(make_distance_grid(-1.0f, 10.0f, 5.0f).count, 0);
}

TEST(SweepGrid, ThetaCountsFollowTheDistance) {
    DistanceGrid grid = make_distance_grid(-40.0f, 10.0f, 5.0f);
    const int automatic[] = {6, 9, 11, 14};
    const int scaled[] = {6, 5, 4, 3};
    for (int i = 0; i < 4; ++i) {
        float dist = grid_distance(grid, i);
        EXPECT_EQ(theta_count(0, dist, grid.first, 5.0f), automatic[i]) << i;
        EXPECT_EQ(theta_count(-2, dist, grid.first, 5.0f), scaled[i]) << i;
    }
    EXPECT_EQ(theta_count(7, 40.0f, 15.0f, 5.0f), 7);
}

TEST(SweepGrid, PhiCountsFollowTheRing) {
    float right = static_cast<float>(kPi / 2);
    EXPECT_EQ(phi_count(0, 15.0f, 15.0f, 5.0f, right), 10);
    EXPECT_EQ(phi_count(0, 15.0f, 15.0f, 5.0f, 0.0f), 1);
    EXPECT_EQ(phi_count(-2, 30.0f, 15.0f, 5.0f, right), 6);  // 2 + 0.5·9.42
    EXPECT_EQ(phi_count(4, 15.0f, 15.0f, 5.0f, right), 4);
}

TEST(SweepGrid, ThreeThetasAndFourPhis) {
    float dtheta = theta_step(3);
    EXPECT_EQ(dtheta, static_cast<float>(kPi / 2));
    EXPECT_NEAR(degrees(1 * dtheta), 90.0, 1e-5);
    EXPECT_NEAR(degrees(2 * dtheta), 180.0, 1e-5);
    double cap = kTwoPi * (1.0 - std::cos(kPi / 4));
    EXPECT_NEAR(solid_angle_weight(true, 0.0f, dtheta, 4), cap, 1e-6);
    double ring = kTwoPi * (std::cos(kPi / 4) - std::cos(3 * kPi / 4)) / 4;
    EXPECT_NEAR(solid_angle_weight(false, dtheta, dtheta, 4), ring, 1e-6);
    float dphi = phi_step(4);
    EXPECT_NEAR(degrees(3 * dphi), 270.0, 1e-4);
}

TEST(SweepGrid, WeightsOfOneDistanceAddUpToFourPi) {
    for (int thetas = 1; thetas <= 40; ++thetas) {
        for (int phis : {0, 1, 2, 3, 7, 16, -3}) {
            EXPECT_NEAR(total_weight(thetas, phis), kFourPi, 1e-4) << thetas << " " << phis;
        }
    }
}

TEST(SweepGrid, ShellVolumes) {
    DistanceGrid grid = make_distance_grid(-40.0f, 10.0f, 5.0f);
    EXPECT_NEAR(shell_volume(grid, 0, grid_distance(grid, 0)), 1222.03, 0.01);
    EXPECT_NEAR(shell_volume(grid, 3, grid_distance(grid, 3)), 13381.56, 0.01);
}

TEST(SweepGrid, ProbePositionsUseTheXAxisAsPole) {
    ProbePosition p = probe_position(10.0f, 0.0f, 0.0f);
    EXPECT_EQ(p.x, 10.0f);
    EXPECT_EQ(p.y, 0.0f);
    EXPECT_EQ(p.z, 0.0f);
    p = probe_position(10.0f, static_cast<float>(kPi / 2), static_cast<float>(kPi / 2));
    EXPECT_NEAR(p.x, 0.0f, 1e-5);
    EXPECT_NEAR(p.y, 10.0f, 1e-5);
    EXPECT_NEAR(p.z, 0.0f, 1e-5);
}
