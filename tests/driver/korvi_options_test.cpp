// The driver's option table: the seed of a run that gives none, which the
// help shows too. The transcripts show every option's echo, effect and help
// default but the seed, which changes from run to run.
#include "driver/korvi_options.h"

#include <gtest/gtest.h>

TEST(KorviOptions, ARunWithoutSeedAndItsHelpTakeTheStartSeed) {
    std::int64_t values[kOptionCount] = {};
    EXPECT_EQ(read_settings(values, 1234567, 0, nullptr).seed, 1234567);
    set_help_defaults(values, 1796483123);
    EXPECT_EQ(values[kSeedSlot], std::int64_t{1796483123} * 100000);
}
