// The quick number readers: whatever they accept, sscanf reads alike, on
// random text and on decimals as the writers print them.
#include "base/plain_numbers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

#include "support/differential.h"

namespace {

// When the quick reader accepts text, sscanf gives the same bits and stops at
// the same character; accepted texts are counted.
template <typename T>
void expect_as_sscanf(bool (*quick)(const char*, T*, const char**), const std::string& text,
                      int* accepted) {
    T value{}, scanned{};
    const char* end = nullptr;
    int used = -1;
    if (!quick(text.c_str(), &value, &end)) return;
    ++*accepted;
    ASSERT_TRUE(scan_number(text, &scanned, &used)) << text;
    EXPECT_TRUE(same_bits(value, scanned)) << text << ": " << value << " " << scanned;
    EXPECT_EQ(end - text.c_str(), used) << text;
}

}  // namespace

TEST(PlainNumbers, WhatTheyAcceptSscanfReadsAlikeToTheSameEnd) {
    std::mt19937 engine(5);
    int ints = 0, floats = 0;
    for (int round = 0; round < 200000; ++round) {
        const std::string text = random_text(engine, "0123456789000999+-..eExXinfa \t\v", 24);
        expect_as_sscanf(plain_int, text, &ints);
        expect_as_sscanf(plain_float, text, &floats);
    }
    EXPECT_GT(ints, 20000);
    EXPECT_GT(floats, 20000);
}

TEST(PlainNumbers, ShortDecimalsAreAcceptedAndRoundAsSscanfDoes) {
    // Mantissas on both sides of 2^24 with 0 to 12 decimals, as the writers'
    // "%.3f" and "%f" print them and beyond.
    std::mt19937_64 engine(11);
    int accepted = 0;
    for (int round = 0; round < 300000; ++round) {
        std::string digits = std::to_string(engine() % (std::uint64_t{1} << (1 + engine() % 26)));
        const std::size_t decimals = engine() % 13;
        if (digits.size() <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
        if (decimals > 0) digits.insert(digits.size() - decimals, ".");
        expect_as_sscanf(plain_float, (round % 2 ? "-" : "") + digits, &accepted);
    }
    for (const char* edge : {"16777216", "16777217", "1677721.7", "0.0000000001", "-0.000", "-0",
                             "0.1", "3.4028235", "8388608.5", "0.00000000005"})
        expect_as_sscanf(plain_float, edge, &accepted);
    EXPECT_EQ(accepted, 300010);
}

// Where sscanf itself reads past 32 bits or gives up, the quick reader's
// answer is its own; floats in other forms are declined, which the random
// text above checks.
TEST(PlainNumbers, IntegersKeepTheLow32Bits) {
    int value = 0;
    const char* end = nullptr;
    ASSERT_TRUE(plain_int(" \t+4294967297x", &value, &end));
    EXPECT_EQ(value, 1);
    EXPECT_STREQ(end, "x");
    ASSERT_TRUE(plain_int("-2147483649", &value, &end));
    EXPECT_EQ(value, 2147483647);
    EXPECT_FALSE(plain_int("1234567890123456789", &value, &end));  // 19 digits: sscanf decides
    EXPECT_FALSE(plain_int("- 5", &value, &end));
}
