#include "base/plain_numbers.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace {

// Text made of the characters that matter to a number conversion.
std::string random_text(std::mt19937& engine) {
    static const char kAlphabet[] = "0123456789000999+-..eExXinfa \t\v";
    std::string text;
    const int length = static_cast<int>(engine() % 24);
    for (int i = 0; i < length; ++i)
        text += kAlphabet[engine() % (sizeof kAlphabet - 1)];
    return text;
}

} // namespace

TEST(PlainNumbers, WhatTheyAcceptSscanfReadsAlikeToTheSameEnd) {
    std::mt19937 engine(5);
    int accepted_ints = 0, accepted_floats = 0;
    for (int round = 0; round < 200000; ++round) {
        const std::string text = random_text(engine);
        const char* end = nullptr;
        int quick_int = 0, scanned_int = 0, used = -1;
        if (plain_int(text.c_str(), &quick_int, &end)) {
            ++accepted_ints;
            ASSERT_EQ(std::sscanf(text.c_str(), "%d%n", &scanned_int, &used), 1) << text;
            EXPECT_EQ(quick_int, scanned_int) << text;
            EXPECT_EQ(end - text.c_str(), used) << text;
        }
        float quick_float = 0.0f, scanned_float = 0.0f;
        if (plain_float(text.c_str(), &quick_float, &end)) {
            ++accepted_floats;
            ASSERT_EQ(std::sscanf(text.c_str(), "%f%n", &scanned_float, &used), 1) << text;
            EXPECT_EQ(0, std::memcmp(&quick_float, &scanned_float, sizeof(float))) << text;
            EXPECT_EQ(end - text.c_str(), used) << text;
        }
    }
    EXPECT_GT(accepted_ints, 20000);
    EXPECT_GT(accepted_floats, 20000);
}

TEST(PlainNumbers, IntegersKeepTheLow32BitsOfWhatTheyRead) {
    int value = 0;
    const char* end = nullptr;
    ASSERT_TRUE(plain_int(" \t+4294967297x", &value, &end));
    EXPECT_EQ(value, 1);
    EXPECT_STREQ(end, "x");
    ASSERT_TRUE(plain_int("-2147483649", &value, &end));
    EXPECT_EQ(value, 2147483647);
    EXPECT_FALSE(plain_int("1234567890123456789", &value, &end)); // 19 digits: sscanf decides
    EXPECT_FALSE(plain_int("- 5", &value, &end));
}

TEST(PlainNumbers, FloatsDeclineExponentsHexadecimalAndWords) {
    float value = 0.0f;
    const char* end = nullptr;
    ASSERT_TRUE(plain_float("\v-.5\t2", &value, &end));
    EXPECT_EQ(value, -0.5f);
    EXPECT_STREQ(end, "\t2");
    for (const char* declined : {"1e5", "1e", "0x10", "inf", "nan", "1.2.3", ".", "+", ""})
        EXPECT_FALSE(plain_float(declined, &value, &end)) << declined;
}

TEST(PlainNumbers, ShortDecimalsRoundAsStrtofDoes) {
    std::mt19937_64 engine(11);
    auto expect_as_strtof = [](const std::string& text) {
        float quick = 0.0f;
        const char* end = nullptr;
        ASSERT_TRUE(plain_float(text.c_str(), &quick, &end)) << text;
        const float exact = std::strtof(text.c_str(), nullptr);
        EXPECT_EQ(0, std::memcmp(&quick, &exact, sizeof(float))) << text;
    };
    // Mantissas on both sides of 2^24 with 0 to 12 decimals, as the writers'
    // "%.3f" and "%f" print them and beyond.
    for (int round = 0; round < 300000; ++round) {
        const std::uint64_t mantissa = engine() % (std::uint64_t{1} << (1 + engine() % 26));
        const int decimals = static_cast<int>(engine() % 13);
        std::string digits = std::to_string(mantissa);
        if (digits.size() <= static_cast<std::size_t>(decimals))
            digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
        if (decimals > 0) digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
        expect_as_strtof((round % 2 ? "-" : "") + digits);
    }
    for (const char* edge : {"16777216", "16777217", "1677721.7", "0.0000000001", "-0.000",
                             "-0", "0.1", "3.4028235", "8388608.5", "0.00000000005"})
        expect_as_strtof(edge);
}
