// Sweep grid arithmetic beyond what the grid's walk and the evaluate
// transcripts show (distances, angle counts, weights, shell volumes and
// positions of longer sweeps): a sweep too short for two distances.
#include "sweep/grid_geometry.h"

#include <gtest/gtest.h>

TEST(GridGeometry, AShortSweepIsOneDistanceInTheMiddleOrNone) {
    DistanceGrid grid = make_distance_grid(-16.0f, 10.0f, 5.0f);
    EXPECT_TRUE(grid.swept);
    EXPECT_EQ(grid.count, 1);  // (1/5 + 3) / 2
    EXPECT_EQ(grid.first, 15.5f);
    EXPECT_EQ(grid.step, 0.0f);
    EXPECT_EQ(shell_volume(grid, 0, 15.5f), 240.25);
    EXPECT_EQ(make_distance_grid(-1.0f, 10.0f, 5.0f).count, 0);
}
