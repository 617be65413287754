// korvi-perm's options read from a command line into settings, its seeds, and
// the help's seed.
#include "perm/perm_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/option_parser.h"

namespace {

constexpr std::int64_t kOne = 100000;  // 1 in the fixed point of the store

// The settings from the words of a command line (the program name first);
// their texts stay in `words`.
PermOptions parse(std::vector<std::string>& words, int start_seed = 77) {
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    std::int64_t values[kPermOptionCount] = {};
    const PermOptionTable& table = perm_options();
    EXPECT_GT(Bclnp_quiet(static_cast<int>(words.size()), argv.data(), table.count(),
                          table.entries(), values),
              0);
    return read_perm_options(values, start_seed);
}

}  // namespace

// The transcripts show what most options set; these are the ones their
// output cannot show.
TEST(PermOptions, TheLargestSeedTheWalksPerTourAndTheStartSeedWhenNoneIsGiven) {
    std::vector<std::string> words{"korvi-perm", "-i21474", "-w2", "walks"};
    const PermOptions o = parse(words);
    EXPECT_STREQ(o.walk_file, "walks");
    EXPECT_EQ(o.seed, kLargestSeed);  // the largest seed the option takes
    EXPECT_EQ(o.walks_per_tour, 2);
    EXPECT_TRUE(o.seed_given);
    std::vector<std::string> unset{"korvi-perm", "-e10"};
    EXPECT_EQ(parse(unset, 1234).seed, 1234);
    EXPECT_FALSE(parse(unset).seed_given);
}

TEST(PermOptions, SeedsFromTheClockAreOnesTheSeedOptionCanGiveBackAndTheHelpShowsThem) {
    EXPECT_EQ(seed_from_time(0), 0);
    EXPECT_EQ(seed_from_time(21474), 21474);
    EXPECT_EQ(seed_from_time(21475), 0);
    EXPECT_EQ(seed_from_time(1700000000), 1700000000 % 21475);
    const int seed = seed_from_time(1733450000);
    std::vector<std::string> words{"korvi-perm", "-i" + std::to_string(seed)};
    EXPECT_EQ(parse(words).seed, seed);
    std::int64_t values[kPermOptionCount] = {};
    set_perm_help_defaults(values, 15000);
    EXPECT_EQ(values[kPermSeedSlot], 15000 * kOne);
}

TEST(PermOptions, TheSweepsThreadsAndTheFirstSphereShiftFollowingTheProbes) {
    std::vector<std::string> words{"korvi-perm", "-x", "-s5", "-R5", "-D0.5", "-j3"};
    PermOptions o = parse(words);
    EXPECT_TRUE(o.sweep);
    EXPECT_EQ(o.first.shift, 5.0f);  // -S defaults to -s
    EXPECT_EQ(o.threads, 3);
    std::vector<std::string> given{"korvi-perm", "-x", "-s5", "-S4"};
    EXPECT_EQ(parse(given).first.shift, 4.0f);
}
