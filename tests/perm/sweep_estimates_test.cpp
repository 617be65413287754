// The ratio estimates and their replicates, worked out by hand for two batches.
#include "perm/sweep_estimates.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// A sweep of one position with two batches per target.
SweepPieces two_batches(double first0, double first1, double probe0, double probe1) {
    SweepPieces pieces(1, 2);
    const double z[2][2] = {{first0, first1}, {probe0, probe1}};
    for (int q = 0; q < 2; ++q)
        for (int b = 0; b < 2; ++b) {
            pieces.at(q, b).state = PieceState::kSampled;
            pieces.at(q, b).log_z = std::log(z[q][b]);
        }
    return pieces;
}

}  // namespace

TEST(SweepEstimates, TheJackknifeOfTheRatioIsTheErrorOfAMeanOverBatches) {
    // Z(first) = 10 in both batches, Z(probe) = 2 and 4: the replicates of
    // Z(probe) are the mean 3 of all batches and 4 and 2 without batch 0 and
    // 1; x = 0.3, and the standard error of the mean of 0.2 and 0.4 is 0.1.
    const SweepPieces pieces = two_batches(10, 10, 2, 4);
    const Replicates z = log_z_replicates(pieces, 1);
    ASSERT_EQ(z.size(), 3u);
    EXPECT_NEAR(z[0], std::log(3.0), 1e-15);
    EXPECT_NEAR(z[1], std::log(4.0), 1e-15);
    EXPECT_NEAR(z[2], std::log(2.0), 1e-15);
    const FractionReplicates f = ratio_fractions(z, log_z_replicates(pieces, 0));
    EXPECT_NEAR(f.free[0], 0.3, 1e-15);
    EXPECT_NEAR(f.touched[0], 0.7, 1e-15);
    EXPECT_NEAR(f.free_energy[0], -std::log(0.3), 1e-15);
    const Estimate x = jackknife(f.free);
    EXPECT_NEAR(x.error, 0.1, 1e-15);
    EXPECT_NEAR(jackknife(f.touched).error, 0.1, 1e-15);
}

TEST(SweepEstimates, EachReplicateLeavesTheSameBatchOutOfTheSharedDenominator) {
    // Z(probe) = 2 in both batches, Z(first) = 4 and 8: without batch 0 the
    // ratio is 2/8, without batch 1 it is 2/4, on all batches 2/6.
    const SweepPieces pieces = two_batches(4, 8, 2, 2);
    const FractionReplicates f =
        ratio_fractions(log_z_replicates(pieces, 1), log_z_replicates(pieces, 0));
    EXPECT_NEAR(f.free[0], 1.0 / 3.0, 1e-15);
    EXPECT_NEAR(f.free[1], 0.25, 1e-15);
    EXPECT_NEAR(f.free[2], 0.5, 1e-15);
}

TEST(SweepEstimates, WithoutAWalkAtThePositionTheFreeEnergyIsInfinite) {
    SweepPieces pieces = two_batches(4, 8, 1, 1);
    pieces.at(1, 0).log_z = -INFINITY;
    pieces.at(1, 1).log_z = -INFINITY;
    const FractionReplicates f =
        ratio_fractions(log_z_replicates(pieces, 1), log_z_replicates(pieces, 0));
    for (std::size_t r = 0; r < 3; ++r) {
        EXPECT_EQ(f.free[r], 0.0);
        EXPECT_EQ(f.touched[r], 1.0);
        EXPECT_EQ(f.free_energy[r], INFINITY);
    }
    // A position that is the first sphere's own ratio is free exactly.
    const Replicates first = log_z_replicates(pieces, 0);
    const FractionReplicates same = ratio_fractions(first, first);
    EXPECT_EQ(jackknife(same.touched).value, 0.0);
    EXPECT_EQ(jackknife(same.touched).error, 0.0);
}
