// The driver's option table read into settings, and the help defaults.
#include "driver/korvi_options.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t kOne = 100000;  // 1 in the fixed point of the store

}  // namespace

TEST(KorviOptions, UnsetSlotsGiveTheDefaultsAndSetOnesAreReadThroughTheNumberReaders) {
    std::int64_t values[kOptionCount] = {};
    Settings s = read_settings(values, 1234567, 0, nullptr);
    EXPECT_EQ(s.theta_count, 1);
    EXPECT_EQ(s.phi_count, 1);
    EXPECT_EQ(s.walks, 1000);
    EXPECT_EQ(s.seed, 1234567);

    values[kDistanceSlot] = 1;       // -d0
    values[kThetaCountSlot] = 1;     // -t0
    values[kPhiCountSlot] = 295000;  // -p2.95
    values[kVerboseSlot] = 1;
    values[kSeedSlot] = 7 * kOne;
    s = read_settings(values, 99, 0, nullptr);
    EXPECT_EQ(s.distance, 0.0f);
    EXPECT_EQ(s.theta_count, 0);
    EXPECT_EQ(s.phi_count, 3);
    EXPECT_TRUE(s.verbose);
    EXPECT_EQ(s.seed, 7);
}

TEST(KorviOptions, HelpDefaultsOverwriteGivenCountsAndKeepOtherValues) {
    std::int64_t values[kOptionCount] = {};
    values[kThetaCountSlot] = 5 * kOne;
    values[kExtensionSlot] = 3 * kOne;
    values[kShiftSlot] = 5 * kOne;
    set_help_defaults(values, 1796483123);
    EXPECT_EQ(values[kThetaCountSlot], kOne);
    EXPECT_EQ(values[kPhiCountSlot], kOne);
    EXPECT_EQ(values[kWalksSlot], 1000 * kOne);
    EXPECT_EQ(values[kExtensionSlot], 0);
    EXPECT_EQ(values[kSeedSlot], std::int64_t{1796483123} * kOne);
    EXPECT_EQ(values[kShiftSlot], 5 * kOne);
}
