#include "driver/option_words.h"

#include "option_table.h"

using namespace test_table;

TEST(OptionWords, FlagsShareOneDashAndEchoOneLineEach) {
    Arguments args{"-vm"};
    Parse p = parse(args);
    EXPECT_EQ(p.result, 2);
    EXPECT_EQ(p.values[kVerbose], 1);
    EXPECT_EQ(p.values[kMab], 1);
    EXPECT_EQ(p.errors, "- verbose\n- mab walks\n");
}

TEST(OptionWords, FlagThenNumberInOneWord) {
    Arguments args{"-vn500"};
    Parse p = parse(args);
    EXPECT_EQ(p.result, 2);
    EXPECT_EQ(p.values[kVerbose], 1);
    EXPECT_EQ(p.values[kWalks], 50000000);
    EXPECT_EQ(p.errors, "- verbose\n- number of walks 500.000000\n");
}

TEST(OptionWords, NumberEndsTheWord) {
    Arguments args{"-n5v"};
    Parse p = parse(args);
    EXPECT_EQ(p.result, 1);
    EXPECT_EQ(p.values[kVerbose], 0);
}

TEST(OptionWords, NumberInTheNextArgumentFailsAndBecomesPositional) {
    Arguments args{"-n", "500"};
    Parse p = parse(args);
    EXPECT_EQ(p.errors, "Failed: number of walks\n");
    EXPECT_EQ(p.values[kWalks], 0);
    EXPECT_EQ(text(p.values[kFirst]), "500");
    EXPECT_EQ(p.result, 1);
}

TEST(OptionWords, GivenZeroIsStoredAsOneAndEchoedAsTheSmallestStep) {
    Arguments args{"-d0", "-t-0"};
    Parse p = parse(args);
    EXPECT_EQ(p.values[kDistance], 1);
    EXPECT_EQ(p.values[kTheta], 1);
    EXPECT_EQ(p.errors, "- distance of sphere 0.000010\n- theta values 0.000010\n");
}

TEST(OptionWords, FixedPointTruncatesTheFloatTimesHundredThousand) {
    Arguments args{"-d0.7", "-t-2.95"};
    Parse p = parse(args);
    EXPECT_EQ(p.values[kDistance], 69999);
    EXPECT_EQ(p.values[kTheta], -295000);
    EXPECT_EQ(p.errors, "- distance of sphere 0.699990\n- theta values -2.950000\n");
}

TEST(OptionWords, SecondNumberIsEchoedAsAdditionalAndNotStored) {
    Arguments args{"-n10", "-n20"};
    Parse p = parse(args);
    EXPECT_EQ(p.result, 1);
    EXPECT_EQ(p.values[kWalks], 1000000);
    EXPECT_EQ(p.errors,
              "- number of walks 10.000000\n- number of walks 20.000000, additional\n");
}

TEST(OptionWords, UnreadableNumberFailsAndParsingGoesOn) {
    Arguments args{"-nx", "-v"};
    Parse p = parse(args);
    EXPECT_EQ(p.errors, "Failed: number of walks\n- verbose\n");
    EXPECT_EQ(p.result, 1);
}

TEST(OptionWords, NumbersBeyondTheFixedPointRangeAreRefused) {
    Arguments args{"-n21474.9", "-nnan", "-ninf", "-n-30000", "-n21474.8"};
    Parse p = parse(args);
    EXPECT_EQ(p.result, 1);
    EXPECT_EQ(p.values[kWalks], 2147480078);  // 21474.8f = 21474.80078...
    EXPECT_EQ(p.errors,
              "Number out of range for number of walks: 21474.9 (the limit is +-21474.83647)\n"
              "Number out of range for number of walks: nan (the limit is +-21474.83647)\n"
              "Number out of range for number of walks: inf (the limit is +-21474.83647)\n"
              "Number out of range for number of walks: -30000 (the limit is +-21474.83647)\n"
              "- number of walks 21474.800781\n");
}

TEST(OptionWords, StringTakesTheNextArgumentUnchanged) {
    Arguments args{"-lignored", "  ldmd_10", "-v"};
    Parse p = parse(args);
    EXPECT_EQ(p.result, 2);
    EXPECT_EQ(text(p.values[kLattice]), "  ldmd_10");
    EXPECT_EQ(p.errors, "- lattice file:   ldmd_10\n- verbose\n");
}

TEST(OptionWords, StringAsLastArgumentFails) {
    Arguments args{"-v", "-l"};
    Parse p = parse(args);
    EXPECT_EQ(p.errors, "- verbose\nFailed: lattice file\n");
    EXPECT_EQ(p.values[kLattice], 0);
}

TEST(OptionWords, SecondStringKeepsTheFirstValue) {
    Arguments args{"-l", "a", "-l", "b"};
    Parse p = parse(args);
    EXPECT_EQ(text(p.values[kLattice]), "a");
    EXPECT_EQ(p.errors, "- lattice file: a\n- lattice file: b, additional\n");
    EXPECT_EQ(p.result, 1);
}

TEST(OptionWords, RepeatedFlagIsSilent) {
    Arguments args{"-v", "-vv"};
    Parse p = parse(args);
    EXPECT_EQ(p.result, 1);
    EXPECT_EQ(p.errors, "- verbose\n");
}

TEST(OptionWords, UnknownLetterStopsParsingAtOnce) {
    Arguments args{"-vx", "-m"};
    Parse p = parse(args);
    EXPECT_EQ(p.result, -2);
    EXPECT_EQ(p.values[kVerbose], 1);
    EXPECT_EQ(p.values[kMab], 0);
    EXPECT_EQ(p.errors, "- verbose\nUnknown option: x\n");
}

TEST(OptionWords, PositionalLettersAreNotOptionLetters) {
    // The positional entries carry the blank as letter; "- " asks for it.
    Arguments args{"- "};
    EXPECT_EQ(parse(args).errors, "Unknown option:  \n");
}

TEST(OptionWords, CommentLetterIsAcceptedAndIgnored) {
    Arguments args{"-cv"};
    Parse p = parse(args);
    EXPECT_EQ(p.result, 1);
    EXPECT_EQ(p.values[kNote], 0);
    EXPECT_EQ(p.errors, "- verbose\n");
}

TEST(OptionWords, LoneDashIsIgnored) {
    Arguments args{"-", "-v"};
    EXPECT_EQ(parse(args).result, 1);
}

TEST(OptionWords, PositionalWordsFillThePositionalEntriesInOrder) {
    Arguments args{"a", "b", "c", "d"};
    Parse p = parse(args);
    EXPECT_EQ(p.result, 2);  // words beyond the positional entries are not counted
    EXPECT_EQ(text(p.values[kFirst]), "a");
    EXPECT_EQ(text(p.values[kSecond]), "b");
    EXPECT_EQ(p.errors, "");
}
