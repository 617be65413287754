// An option table read into settings, members of members included, and the
// defaults it shows in the help.
#include "cli/option_table.h"

#include <gtest/gtest.h>

#include <string>

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

TEST(OptionTable, ShowsOnlyTheDefaultsItIsToldToAndListsEntriesAndLongTexts) {
    std::int64_t values[5] = {0, 0, 9 * kOne, 4 * kOne, 0};
    Sample defaults;
    defaults.count = 11;
    kTable.show_defaults(values, defaults);
    EXPECT_EQ(values[2], 11 * kOne);
    EXPECT_EQ(values[3], 4 * kOne);  // the value given stays
    EXPECT_EQ(kTable.count(), 5);
    EXPECT_EQ(std::string(kTable.entries()[4]), "xnx of the inner settings");
    EXPECT_EQ(std::string(kTable.long_texts()[1]), "a long text");
    EXPECT_EQ(kTable.long_texts()[0], nullptr);
}
