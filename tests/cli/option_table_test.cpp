// An option table read into settings, members of members included. The help
// transcripts pin the defaults it shows and its entries and long texts.
#include "cli/option_table.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {

constexpr std::int64_t kOne = 100000;  // 1 in the fixed point of the store

struct Inner {
    float x = 0.5f;
};

struct Sample {
    const char* name = nullptr;
    bool flag = false;
    int count = 7;
    float size = 2.5f;
    Inner inner;
};

using Row = OptionRow<Sample>;

constexpr OptionTable<Sample, 5> kTable(std::array{
    Row::of<&Sample::name>(" iname"),
    Row::of<&Sample::flag>("fflag", "a long text"),
    Row::with_default<&Sample::count>("cncount"),
    Row::of<&Sample::size>("snsize"),
    Row::of<&Sample::inner, &Inner::x>("xnx of the inner settings"),
});

std::int64_t address(const char* text) {
    return static_cast<std::int64_t>(reinterpret_cast<std::intptr_t>(text));
}

}  // namespace

TEST(OptionTable, ReadsTheSetSlotsIntoTheirSettingsAndKeepsTheDefaultsOfTheOthers) {
    std::int64_t values[5] = {};
    Sample s = kTable.read(values, Sample{});
    EXPECT_EQ(s.name, nullptr);
    EXPECT_FALSE(s.flag);
    EXPECT_EQ(s.count, 7);
    EXPECT_EQ(s.size, 2.5f);
    EXPECT_EQ(s.inner.x, 0.5f);

    const char* word = "walks";
    values[0] = address(word);
    values[1] = 1;
    values[2] = 3 * kOne;
    values[4] = 1;  // a given 0
    s = kTable.read(values, Sample{});
    EXPECT_EQ(s.name, word);
    EXPECT_TRUE(s.flag);
    EXPECT_EQ(s.count, 3);
    EXPECT_EQ(s.size, 2.5f);
    EXPECT_EQ(s.inner.x, 0.0f);
}
