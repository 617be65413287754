// korvi-perm's options read from a command line into settings, its seeds, and
// the help defaults.
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

TEST(PermOptions, EveryOptionReachesItsSetting) {
    std::vector<std::string> words{"korvi-perm", "-l",     "ldmd_60", "-s5",     "-r4.5", "-d-1",
                                   "-e300",      "-n500",  "-k10",    "-i21474", "-w2",   "-A1.5",
                                   "-L2",        "-E-0.5", "-v",      "walks"};
    const PermOptions o = parse(words);
    EXPECT_STREQ(o.walk_file, "walks");
    EXPECT_STREQ(o.lattice_file, "ldmd_60");
    EXPECT_EQ(o.shift, 5.0f);
    EXPECT_EQ(o.radius, 4.5f);
    EXPECT_EQ(o.distance, -1.0f);
    EXPECT_EQ(o.steps, 300);
    EXPECT_EQ(o.tours, 500);
    EXPECT_EQ(o.batches, 10);
    EXPECT_EQ(o.seed, kLargestSeed);  // the largest seed the option takes
    EXPECT_EQ(o.walks_per_tour, 2);
    EXPECT_EQ(o.parameters.strength, 1.5f);
    EXPECT_EQ(o.parameters.range, 2.0f);
    EXPECT_EQ(o.parameters.gauche_energy, -0.5f);
    EXPECT_TRUE(o.verbose);
}

TEST(PermOptions, UnsetOptionsKeepTheDocumentedDefaults) {
    std::vector<std::string> words{"korvi-perm", "-e10"};
    const PermOptions o = parse(words, 1234);
    EXPECT_EQ(o.walk_file, nullptr);
    EXPECT_EQ(o.lattice_file, nullptr);
    EXPECT_EQ(o.radius, 0.0f);
    EXPECT_EQ(o.tours, 1000);
    EXPECT_EQ(o.batches, 20);
    EXPECT_EQ(o.seed, 1234);
    EXPECT_EQ(o.walks_per_tour, 1);
    EXPECT_EQ(o.parameters.strength, 0.0f);
    EXPECT_EQ(o.parameters.range, 0.0f);
    EXPECT_EQ(o.parameters.gauche_energy, 0.0f);
    EXPECT_FALSE(o.verbose);
}

TEST(PermOptions, SeedsFromTheClockAreOnesTheSeedOptionCanGiveBack) {
    EXPECT_EQ(seed_from_time(0), 0);
    EXPECT_EQ(seed_from_time(21474), 21474);
    EXPECT_EQ(seed_from_time(21475), 0);
    EXPECT_EQ(seed_from_time(1700000000), 1700000000 % 21475);
    const int seed = seed_from_time(1733450000);
    std::vector<std::string> words{"korvi-perm", "-i" + std::to_string(seed)};
    EXPECT_EQ(parse(words).seed, seed);
}

TEST(PermOptions, TheHelpShowsToursBatchesTheStartSeedAndTheWalksPerTour) {
    std::int64_t values[kPermOptionCount] = {};
    values[kPermStepsSlot] = 50 * kOne;
    set_perm_help_defaults(values, 15000);
    EXPECT_EQ(values[kPermToursSlot], 1000 * kOne);
    EXPECT_EQ(values[kPermBatchesSlot], 20 * kOne);
    EXPECT_EQ(values[kPermSeedSlot], 15000 * kOne);
    EXPECT_EQ(values[kPermWalksPerTourSlot], kOne);
    EXPECT_EQ(values[kPermStepsSlot], 50 * kOne);  // a value given stays
}

TEST(PermOptions, TheSweepsOptionsReachTheirSettingsAndTheFirstSphereShiftFollowsTheProbes) {
    std::vector<std::string> words{"korvi-perm", "-x",      "-l",   "ldmd_99", "-s5",   "-r3",
                                   "-d-25",      "-t0",     "-p-2", "-R5",     "-D0.5", "-j3",
                                   "-o",         "contact", "-c",   "2/8",     "-e100"};
    PermOptions o = parse(words);
    EXPECT_TRUE(o.sweep);
    EXPECT_EQ(o.radius, 3.0f);
    EXPECT_EQ(o.distance, -25.0f);
    EXPECT_EQ(o.theta_count, 0);
    EXPECT_EQ(o.phi_count, -2);
    EXPECT_EQ(o.first.shift, 5.0f);  // -S defaults to -s
    EXPECT_EQ(o.first.radius, 5.0f);
    EXPECT_EQ(o.first.distance, 0.5f);
    EXPECT_EQ(o.threads, 3);
    EXPECT_STREQ(o.output_prefix, "contact");
    EXPECT_STREQ(o.share, "2/8");
    EXPECT_EQ(o.merge, 0);
    EXPECT_FALSE(o.seed_given);

    std::vector<std::string> merge{"korvi-perm", "-x", "-s5", "-S4", "-u8", "-i3"};
    o = parse(merge);
    EXPECT_EQ(o.first.shift, 4.0f);
    EXPECT_EQ(o.merge, 8);
    EXPECT_TRUE(o.seed_given);
    EXPECT_EQ(o.theta_count, 1);  // korvi's defaults
    EXPECT_EQ(o.phi_count, 1);
    EXPECT_EQ(o.threads, 0);
}
