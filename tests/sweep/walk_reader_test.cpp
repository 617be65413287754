// The one reader of walk files: .lwk records and .mab walk entries alike give
// names, parameters and vertex numbers, with the numbers outside the lattice
// counted.
#include "sweep/walk_reader.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Seen {
    std::string name;
    std::array<float, 3> params;
    std::vector<int> numbers;
    int missing;
    bool record;
};

std::vector<Seen> read_text(const std::string& text, bool mab, int n) {
    std::FILE* fp = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    std::vector<Seen> seen;
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    read_walks(fp, mab, n, [&](ReadWalk& read) {
        const ScannedWalk& w = read.walk;
        seen.push_back({std::string(w.name),
                        {w.params[0], w.params[1], w.params[2]},
                        std::vector<int>(w.numbers, w.numbers + w.count),
                        read.missing,
                        read.record != nullptr && read.entry == nullptr});
    });
    testing::internal::GetCapturedStdout();
    testing::internal::GetCapturedStderr();
    std::fclose(fp);
    return seen;
}

// A walk entry of a .mab file: one atom per vertex number, with the charges.
std::string mab_entry(const char* name, const std::vector<int>& numbers,
                      const std::vector<float>& charges) {
    std::string text =
        "Version 2\nEntry    1: " + std::to_string(numbers.size()) + "  0  " + name + "\n";
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        char line[160];
        std::snprintf(line, sizeof line, "%-7zu  1   0   6  3 %8.3f %8.3f %8.3f %8.3f %d 0  0\n",
                      i + 1, 1.0, 2.0, 3.0, static_cast<double>(charges[i]), numbers[i]);
        text += line;
    }
    return text;
}

}  // namespace

TEST(WalkReader, GivesEveryRecordUntilOneIsRefusedAndCountsNumbersOutsideTheLattice) {
    const std::string text = "w1\t3\n0.500000\t1.000000\t0.250000\n1\t6\t2\t6\t9\t6\n$$$$\n"
                             "w2\t2\n0.000000\t0.000000\t0.000000\n1\t6\t0\t6\n$$$$\n"
                             "no tab here\n"
                             "w3\t1\n0.000000\t0.000000\t0.000000\n1\t6\n$$$$\n";
    const std::vector<Seen> seen = read_text(text, false, 5);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].name, "w1");
    EXPECT_EQ(seen[0].params, (std::array{0.5f, 1.0f, 0.25f}));
    EXPECT_EQ(seen[0].numbers, (std::vector{1, 2, 9}));
    EXPECT_EQ(seen[0].missing, 1);
    EXPECT_TRUE(seen[0].record);
    EXPECT_EQ(seen[1].numbers, (std::vector{1, 0}));
    EXPECT_EQ(seen[1].missing, 1);
}

TEST(WalkReader, TakesTheParametersOfAWalkEntryFromTheChargesOfItsFirstThreeAtoms) {
    const std::string text = mab_entry("m1", {1, 7}, {0.5f, -1.0f}) +
                             mab_entry("m2", {1, 2, 3, 4}, {0.25f, 2.0f, -3.0f, 9.0f});
    const std::vector<Seen> seen = read_text(text, true, 5);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].name, "m1");
    EXPECT_EQ(seen[0].params, (std::array{0.5f, -1.0f, 0.0f}));
    EXPECT_EQ(seen[0].numbers, (std::vector{1, 7}));
    EXPECT_EQ(seen[0].missing, 1);
    EXPECT_FALSE(seen[0].record);
    EXPECT_EQ(seen[1].params, (std::array{0.25f, 2.0f, -3.0f}));
    EXPECT_EQ(seen[1].missing, 0);
}
