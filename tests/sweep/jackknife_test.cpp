#include "sweep/jackknife.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

}  // namespace

TEST(Jackknife, LeaveOneOutMeansGiveTheStandardErrorOfTheMean) {
    // The values 1, 2, 3, 4: mean 2.5, sample variance 5/3, standard error
    // sqrt(5/3 / 4); the means without one value are 3, 8/3, 7/3 and 2.
    Estimate e = jackknife({2.5, 3.0, 8.0 / 3.0, 7.0 / 3.0, 2.0});
    EXPECT_EQ(e.value, 2.5);
    EXPECT_NEAR(e.error, std::sqrt(5.0 / 12.0), 1e-12);
}

TEST(Jackknife, EqualValuesHaveNoErrorAndValuesNotFiniteNoNumber) {
    EXPECT_EQ(jackknife({0.0, 0.0, 0.0, 0.0}).error, 0.0);
    EXPECT_EQ(jackknife({1.0, 1.0, 1.0}).error, 0.0);
    Estimate blocked = jackknife({kInf, kInf, kInf});
    EXPECT_EQ(blocked.value, kInf);
    EXPECT_TRUE(std::isnan(blocked.error));
    EXPECT_EQ(jackknife({1.0, 1.0, kInf}).error, kInf);    // one block holds every free walk
    EXPECT_TRUE(std::isnan(jackknife({1.0, 1.0}).error));  // a single block
}

TEST(Jackknife, LogSumExpStaysFiniteForHugeTermsAndLeavesOneOut) {
    EXPECT_DOUBLE_EQ(log_sum_exp({1000.0, 1000.0}, -1), 1000.0 + std::log(2.0));
    EXPECT_DOUBLE_EQ(log_sum_exp({1000.0, -kInf, 1000.0 + std::log(3.0)}, 0),
                     1000.0 + std::log(3.0));
    EXPECT_EQ(log_sum_exp({-kInf, -kInf}, -1), -kInf);
    EXPECT_EQ(log_sum_exp({5.0}, 0), -kInf);
}
