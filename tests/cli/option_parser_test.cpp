// The option parser's number readers and the quiet parse. The transcripts
// pin no arguments, the help request and words after a '?'.
#include "cli/option_parser.h"

#include "sample_options.h"

#include <utility>

using namespace test_table;

TEST(OptionParser, NumberReadersTakeTheLow32BitsAndRoundIntegersATenthAwayFromZero) {
    const std::int64_t high = std::int64_t(1) << 40;
    // -t2.95, -t2.85 (2.849999... as a float), -t-2.95, ..., a given 0 (stored as 1).
    const std::pair<std::int64_t, int> integers[] = {{295000, 3}, {284999, 2},       {-295000, -3},
                                                     {289000, 2}, {290000, 3},       {1, 0},
                                                     {0, 0},      {high + 500000, 5}};
    for (const auto& [raw, value] : integers) EXPECT_EQ(Bclnp_int(raw), value) << raw;
    // Divided in double precision.
    const std::pair<std::int64_t, float> floats[] = {
        {69999, 0.69999f}, {1, 0.0f}, {2, 0.00002f}, {-2500000, -25.0f}, {high + 1, 0.0f}};
    for (const auto& [raw, value] : floats) EXPECT_EQ(Bclnp_flt(raw), value) << raw;
}

TEST(OptionParser, QuietParseSetsTheSameValuesSilentlyAndReadsNoOptionFile) {
    Arguments unknown{"-vn500", "-x"}, complete{"-vn500", "-d0", "walks", "-l"},
        file{"-n7", "+run.opt"};
    std::int64_t first[kCount] = {}, more[kCount] = {}, from_file[kCount] = {};
    testing::internal::CaptureStderr();
    EXPECT_EQ(Bclnp_quiet(unknown.argc(), unknown.argv(), kCount, kEntries, first), -2);
    EXPECT_EQ(Bclnp_quiet(complete.argc(), complete.argv(), kCount, kEntries, more), 4);
    EXPECT_EQ(Bclnp_quiet(file.argc(), file.argv(), kCount, kEntries, from_file), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(first[kVerbose], 1);
    EXPECT_EQ(more[kWalks], 50000000);
    EXPECT_EQ(more[kDistance], 1);
    EXPECT_EQ(text(more[kFirst]), "walks");
    EXPECT_EQ(more[kLattice], 0);
    EXPECT_EQ(from_file[kWalks], 700000);
}
