// Combining batches by hand-worked numbers: three batches whose estimates of
// Z_1 are 2, 4 and 6, each held in its own scale.
#include "perm/batch_estimates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

BatchSums batch(double log_scale, double ratio_sum, double square_sum) {
    BatchSums b;
    b.tours = 2;
    b.log_scale = {0.0, log_scale};
    b.ratio_sum = {2.0, ratio_sum};
    b.walks = {2, 1};
    b.final_square_sum = square_sum;
    return b;
}

// Batch 1: walks of weight 1 and 3 (ratios 0.1 and 0.3 to the scale 10);
// batch 2: one walk of weight 8; batch 3: one of weight 12.
const std::vector<BatchSums> kThree{batch(std::log(10.0), 0.4, 0.1), batch(std::log(4.0), 2.0, 4.0),
                                    batch(0.0, 12.0, 144.0)};

}  // namespace

TEST(PermBatches, TheMeanOfTheBatchEstimatesItsStandardErrorAndTheNeffOfAllWeights) {
    const std::vector<LengthEstimate> z = combine_batches(kThree);
    ASSERT_EQ(z.size(), 2u);
    EXPECT_DOUBLE_EQ(z[0].log_z, 0.0);
    EXPECT_EQ(z[0].error, 0.0) << "every batch has Z_0 = 1";
    // Mean 4; standard deviation 2, so the error is 2 / sqrt(3) of 4.
    EXPECT_NEAR(z[1].log_z, std::log(4.0), 1e-14);
    EXPECT_NEAR(z[1].error, 0.5 / std::sqrt(3.0), 1e-14);
    // Weights 1, 3, 8, 12: (24)^2 / (1 + 9 + 64 + 144).
    EXPECT_NEAR(effective_walks(kThree), 576.0 / 218.0, 1e-13);
}

TEST(PermBatches, OneBatchHasNoErrorAndALengthNoWalkReachedNoEstimate) {
    const std::vector<LengthEstimate> one = combine_batches(std::span(kThree).first(1));
    EXPECT_NEAR(one[1].log_z, std::log(2.0), 1e-14);
    EXPECT_TRUE(std::isnan(one[1].error));
    BatchSums empty = batch(NAN, 0.0, 0.0);
    const std::vector<LengthEstimate> none = combine_batches(std::vector<BatchSums>{empty, empty});
    EXPECT_EQ(none[1].log_z, -INFINITY);
    EXPECT_TRUE(std::isnan(none[1].error));
    EXPECT_EQ(effective_walks(std::vector<BatchSums>{empty}), 0.0);
}
