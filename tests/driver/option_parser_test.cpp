#include "driver/option_parser.h"

#include "option_table.h"

using namespace test_table;

TEST(OptionParser, NoArgumentsGiveZeroAndAFirstQuestionMarkAsksForHelp) {
    Arguments none{};
    EXPECT_EQ(parse(none).result, 0);
    Arguments help{"?", "-v"};
    Parse p = parse(help);
    EXPECT_EQ(p.result, -2);
    EXPECT_EQ(p.values[kVerbose], 0);
}

TEST(OptionParser, LaterQuestionMarkIsAPositionalWordAndLeadingBlanksGo) {
    Arguments args{"   -v", "  ?"};
    Parse p = parse(args);
    EXPECT_EQ(p.result, 2);
    EXPECT_EQ(text(p.values[kFirst]), "?");
    EXPECT_STREQ(args.argv()[1], "-v");
}

TEST(OptionParser, IntegerReaderAddsATenthAwayFromZeroAndTruncates) {
    EXPECT_EQ(Bclnp_int(295000), 3);    // -t2.95
    EXPECT_EQ(Bclnp_int(284999), 2);    // -t2.85 (2.849999... as a float)
    EXPECT_EQ(Bclnp_int(-295000), -3);  // -t-2.95
    EXPECT_EQ(Bclnp_int(289000), 2);
    EXPECT_EQ(Bclnp_int(290000), 3);
    EXPECT_EQ(Bclnp_int(1), 0);  // a given 0
    EXPECT_EQ(Bclnp_int(0), 0);
}

TEST(OptionParser, FloatReaderDividesInDoublePrecision) {
    EXPECT_EQ(Bclnp_flt(69999), 0.69999f);
    EXPECT_EQ(Bclnp_flt(1), 0.0f);
    EXPECT_EQ(Bclnp_flt(2), 0.00002f);
    EXPECT_EQ(Bclnp_flt(-2500000), -25.0f);
}

TEST(OptionParser, ReadersUseTheLowThirtyTwoBits) {
    std::int64_t high_bits = std::int64_t{1} << 40;
    EXPECT_EQ(Bclnp_int(high_bits + 500000), 5);
    EXPECT_EQ(Bclnp_flt(high_bits + 1), 0.0f);
}

TEST(OptionParser, QuietParseSetsTheSameValuesSilentlyAndReadsNoOptionFile) {
    Arguments args{"-vn500", "-d0", "walks", "-x", "-l"};
    std::int64_t values[kCount] = {};
    testing::internal::CaptureStderr();
    EXPECT_EQ(Bclnp_quiet(args.argc(), args.argv(), kCount, kEntries, values), -2);  // -x
    Arguments complete{"-vn500", "-d0", "walks", "-l"};
    std::int64_t more[kCount] = {};
    EXPECT_EQ(Bclnp_quiet(complete.argc(), complete.argv(), kCount, kEntries, more), 4);
    Arguments file{"-n7", "+run.opt"};
    std::int64_t from_file[kCount] = {};
    EXPECT_EQ(Bclnp_quiet(file.argc(), file.argv(), kCount, kEntries, from_file), -1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(values[kVerbose], 1);
    EXPECT_EQ(more[kWalks], 50000000);
    EXPECT_EQ(more[kDistance], 1);
    EXPECT_EQ(text(more[kFirst]), "walks");
    EXPECT_EQ(more[kLattice], 0);
    EXPECT_EQ(from_file[kWalks], 700000);
}
