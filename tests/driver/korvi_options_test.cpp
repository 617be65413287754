#include "driver/korvi_options.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t kOne = 100000;  // 1 in the fixed point of the store

}  // namespace

TEST(KorviOptions, EmptyStoreGivesTheDefaultsAndTheStartSeed) {
    std::int64_t values[kOptionCount] = {};
    Settings s = read_settings(values, 1234567, 0, nullptr);
    EXPECT_EQ(s.walk_file, nullptr);
    EXPECT_EQ(s.theta_count, 1);
    EXPECT_EQ(s.phi_count, 1);
    EXPECT_EQ(s.walks, 1000);
    EXPECT_EQ(s.seed, 1234567);
}

TEST(KorviOptions, SetSlotsAreReadThroughTheNumberReaders) {
    char walks[] = "walks";
    std::int64_t values[kOptionCount] = {};
    values[kWalkFileSlot] = reinterpret_cast<std::intptr_t>(walks);
    values[kShiftSlot] = 69999;      // -s0.7
    values[kDistanceSlot] = 1;       // -d0
    values[kThetaCountSlot] = 1;     // -t0
    values[kPhiCountSlot] = 295000;  // -p2.95
    values[kVerboseSlot] = 1;
    values[kSeedSlot] = 7 * kOne;
    values[kLatticeTypeSlot] = -284999;
    Settings s = read_settings(values, 99, 0, nullptr);
    EXPECT_STREQ(s.walk_file, "walks");
    EXPECT_EQ(s.shift, 0.69999f);
    EXPECT_EQ(s.distance, 0.0f);
    EXPECT_EQ(s.theta_count, 0);
    EXPECT_EQ(s.phi_count, 3);
    EXPECT_EQ(s.verbose, 4);
    EXPECT_EQ(s.seed, 7);
    EXPECT_EQ(s.lattice_type, -2);
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
