// The tours of the shared denominator. Which share holds a piece, and the
// piece's own stream, show in the sweep run's shares merged into the table of
// one run and in the probe sweep's pieces that no thread count changes.
#include "perm/sweep_pieces.h"

#include <gtest/gtest.h>

TEST(SweepPieces, TheSharedDenominatorRunsTheRootOfThePositionsTimesTheTours) {
    ProbeSweepSettings s;
    s.tours_per_batch = 50;
    EXPECT_EQ(target_tours(s, 10, 1), 50);
    EXPECT_EQ(target_tours(s, 10, 0), 4 * 50);  // ceil(sqrt(10))
    EXPECT_EQ(target_tours(s, 9, 0), 3 * 50);
    EXPECT_EQ(target_tours(s, 1, 0), 50);
}
