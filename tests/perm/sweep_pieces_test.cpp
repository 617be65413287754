// The pieces of a sweep: their numbering, the shares that hold them, the
// tours of the shared denominator and the streams.
#include "perm/sweep_pieces.h"

#include <gtest/gtest.h>

#include <set>

TEST(SweepPieces, EveryPieceBelongsToExactlyOneShareAndBatchesOfAPositionSpread) {
    const SweepPieces pieces(6, 4);
    EXPECT_EQ(pieces.targets(), 7);
    EXPECT_EQ(pieces.count(), 28);
    EXPECT_EQ(pieces.target_of(13), 3);
    EXPECT_EQ(pieces.batch_of(13), 1);
    for (long i = 0; i < pieces.count(); ++i) {
        int holders = 0;
        for (int k = 1; k <= 3; ++k) holders += Share{k, 3}.holds(i);
        EXPECT_EQ(holders, 1) << i;
    }
    std::set<int> shares_of_target_2;
    for (int b = 0; b < 4; ++b)
        for (int k = 1; k <= 3; ++k)
            if (Share{k, 3}.holds(2 * 4 + b)) shares_of_target_2.insert(k);
    EXPECT_EQ(shares_of_target_2.size(), 3u);
}

TEST(SweepPieces, TheSharedDenominatorRunsTheRootOfThePositionsTimesTheTours) {
    ProbeSweepSettings s;
    s.tours_per_batch = 50;
    EXPECT_EQ(target_tours(s, 10, 1), 50);
    EXPECT_EQ(target_tours(s, 10, 0), 4 * 50);  // ceil(sqrt(10))
    EXPECT_EQ(target_tours(s, 9, 0), 3 * 50);
    EXPECT_EQ(target_tours(s, 1, 0), 50);
}

TEST(SweepPieces, EveryPieceHasItsOwnStreamFixedByTheSeed) {
    std::set<std::uint64_t> first_numbers;
    for (int target = 0; target < 5; ++target)
        for (int batch = 0; batch < 5; ++batch) {
            const std::uint64_t a = piece_stream(7, target, batch).next();
            EXPECT_EQ(piece_stream(7, target, batch).next(), a);
            first_numbers.insert(a);
            first_numbers.insert(piece_stream(8, target, batch).next());
        }
    EXPECT_EQ(first_numbers.size(), 50u);
}
