// Blocks of walks and the fractions' leave-one-block-out replicates, worked
// out by hand. What no walk touched and every walk touched give is checked end
// to end in korvi_stats_test.cpp.
#include "stats/walk_blocks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const double kLn2 = std::log(2.0);
const double kLn3 = std::log(3.0);

}  // namespace

TEST(WalkBlocks, WalksAreSplitInFileOrderIntoNearlyEqualBlocks) {
    WalkBlocks blocks = make_walk_blocks(10, 4, {});
    EXPECT_EQ(blocks.count, 4);
    EXPECT_EQ(blocks.block_of, (std::vector<int>{0, 0, 0, 1, 1, 2, 2, 2, 3, 3}));
    EXPECT_EQ(blocks.walks, (std::vector<int>{3, 2, 3, 2}));
    EXPECT_FALSE(blocks.weighted);
    EXPECT_EQ(make_walk_blocks(3, 20, {}).count, 3);  // never an empty block
}

TEST(WalkBlocks, WithToursEachTourGoesWholeToTheBlockOfItsFirstWalk) {
    // Tours starting at walks 0, 3, 4 and 6 fall in blocks 0, 1, 1 and 2 of 4;
    // the fourth block stays empty and is dropped.
    WalkBlocks blocks = make_walk_blocks(10, 4, {}, {0, 0, 0, 1, 2, 2, 3, 3, 3, 3});
    EXPECT_TRUE(blocks.whole_tours);
    EXPECT_EQ(blocks.count, 3);
    EXPECT_EQ(blocks.block_of, (std::vector<int>{0, 0, 0, 1, 1, 1, 2, 2, 2, 2}));
    EXPECT_EQ(blocks.walks, (std::vector<int>{3, 3, 4}));
    EXPECT_EQ(make_walk_blocks(4, 2, {0.0, 0.0, 0.0, 0.0}, {7, 7, 7, 7}).count, 1);
}

TEST(WalkBlocks, CountedFractionsLeaveOutOneBlockAtATime) {
    WalkBlocks blocks = make_walk_blocks(6, 3, {});
    FractionReplicates f = counted_fractions(blocks, free_sums(blocks, {1, 0, 0, 0, 1, 1}));
    // 3 of 6 free; without a block 2 of 4, 1 of 4 and 3 of 4.
    EXPECT_EQ(f.free, (Replicates{0.5, 0.5, 0.25, 0.75}));
    EXPECT_EQ(f.touched, (Replicates{0.5, 0.5, 0.75, 0.25}));
    EXPECT_DOUBLE_EQ(f.free_energy[2], std::log(4.0));
}

TEST(WalkBlocks, WeightsFarBeyondTheRangeOfADoubleGiveTheRightRatio) {
    // Weights 1, 3 | 2, 1 times e^1000; the first and last walk touch.
    WalkBlocks blocks = make_walk_blocks(4, 2, {1000.0, 1000.0 + kLn3, 1000.0 + kLn2, 1000.0});
    FractionReplicates f = weighted_fractions(blocks, free_sums(blocks, {1, 0, 0, 1}));
    EXPECT_NEAR(f.free[0], 5.0 / 7.0, 1e-12);
    EXPECT_NEAR(f.free[1], 2.0 / 3.0, 1e-12);
    EXPECT_NEAR(f.free[2], 3.0 / 4.0, 1e-12);
    EXPECT_NEAR(f.free_energy[0], std::log(7.0 / 5.0), 1e-12);
    EXPECT_NEAR(effective_sample_size({1000.0, 1000.0 + kLn3, 1000.0 + kLn2, 1000.0}), 49.0 / 15.0,
                1e-12);
}
