#include "base/fields.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

// Bfld_int read repeatedly from line until it gives nothing.
std::vector<int> ints(const char* line) {
    std::vector<int> read;
    int value = -1;
    for (const char* pos = line; (pos = Bfld_int(pos, 0, &value));) read.push_back(value);
    return read;
}

// Bfld_str read repeatedly in mode; "|" joins the fields.
std::string strings(const char* line, int mode) {
    std::string read;
    char field[64];
    for (const char* pos = line; (pos = Bfld_str(pos, mode, field));)
        read += (read.empty() ? "" : "|") + std::string(field);
    return read;
}

}  // namespace

TEST(IntField, CommaPassesButABlankBeforeItStopsTheLine) {
    using V = std::vector<int>;
    EXPECT_EQ(ints("12, 7"), (V{12, 7}));
    EXPECT_EQ(ints("12 ,7"), (V{12}));
    EXPECT_EQ(ints("1,2\t3 x7 8"), (V{1, 2, 3}));
}

TEST(IntField, NoValueMarksReadAsIntMax) {
    EXPECT_EQ(ints("- 5\t~ -0 -00"), (std::vector<int>{INT_MAX, 5, INT_MAX, INT_MAX, 0}));
}

TEST(NumericFields, OtherTypesHaveTheirOwnNoValueAndKeepTheValueOnFailure) {
    float f = 1;
    unsigned int u = 0;
    EXPECT_NE(Bfld_flt("-0", 0, &f), nullptr);
    EXPECT_EQ(f, FLT_MAX);
    EXPECT_NE(Bfld_uns("~", 0, &u), nullptr);
    EXPECT_EQ(u, UINT_MAX);
    EXPECT_STREQ(Bfld_flt("-2.5e1,4", 0, &f), "4");
    EXPECT_EQ(f, -25.0f);
    EXPECT_EQ(Bfld_flt("x", 0, &f), nullptr);
    EXPECT_EQ(f, -25.0f);
}

TEST(NoValueMark, TellsWhichMark) {
    EXPECT_EQ(Bfld_nil("  ~ 1", 0), 1);
    EXPECT_EQ(Bfld_nil("-", 0), 2);
    EXPECT_EQ(Bfld_nil("-0", 0), 3);
    EXPECT_EQ(Bfld_nil("-00", 0), 0);
    EXPECT_EQ(Bfld_nil("", 0), 0);
    // Fields of any length are looked at where they stand.
    const std::string longer(10000, '7');
    EXPECT_EQ(Bfld_nil(longer.c_str(), 0), 0);
    EXPECT_EQ(Bfld_nil(("\"" + longer).c_str(), 0), 0);
}

TEST(Skip, PassesACommaButStopsAtBlanksAndTabs) {
    const char* pos = Bfld_skip("  ab,cd\tef", 0);
    EXPECT_STREQ(pos, "cd\tef");
    pos = Bfld_skip(pos, 0);
    EXPECT_STREQ(pos, "\tef");
    EXPECT_STREQ(Bfld_skip(pos, 0), "");
}

TEST(StringField, QuoteCharacterDependsOnTheMode) {
    EXPECT_EQ(strings("\"a b\" c", 0), "a b|c");
    EXPECT_EQ(strings("\"a b\" c", 8), "\"a|b\"|c");
    EXPECT_EQ(strings("'x y' z", 127), "x y|z");
    EXPECT_EQ(strings(" \"a b", 0), "a b");  // no closing quote: up to the end
}

TEST(StringField, WordEndsAtABlankButTheNextFieldStartsAfterAComma) {
    EXPECT_EQ(strings("-n10,-e5 x", 0), "-n10,-e5|-e5|x");
}

// A numeric field as the no-value check, sscanf and the skip read it.
template <typename T>
void expect_read_as_sscanf(const std::string& line, int mode,
                           const char* (*read)(const char*, int, T*), const char* format,
                           T no_value) {
    T value{}, expected{};
    const char* next = read(line.c_str(), mode, &value);
    const char* expected_next = nullptr;
    if (Bfld_nil(line.c_str(), mode)) {
        expected = no_value;
        expected_next = Bfld_skip(line.c_str(), mode);
    } else if (std::sscanf(line.c_str(), format, &expected) == 1) {
        expected_next = Bfld_skip(line.c_str(), mode);
    }
    EXPECT_EQ(next, expected_next) << line;
    EXPECT_EQ(value, expected) << line;
}

TEST(NumericFields, ReadAsTheMarkCheckAndSscanfDoOnRandomLines) {
    static const char kAlphabet[] = "0123456789-+~.,e\"' \t";
    std::mt19937 engine(3);
    for (int round = 0; round < 100000; ++round) {
        std::string line;
        for (int i = static_cast<int>(engine() % 16); i > 0; --i)
            line += kAlphabet[engine() % (sizeof kAlphabet - 1)];
        const int mode = round % 2 ? kFieldSingleQuote : 0;
        expect_read_as_sscanf(line, mode, Bfld_int, "%d", INT_MAX);
        expect_read_as_sscanf(line, mode, Bfld_flt, "%f", FLT_MAX);
    }
}

TEST(IntFields, ReadAsRepeatedIntFieldsDoOnRandomLines) {
    // Mostly digits, blanks and tabs (the quick path), now and then a
    // character that sends the rest of the line to Bfld_int.
    static const char kPlain[] = "0123456789012345678999 \t";
    static const char kOther[] = "-~,+x\v\"";
    std::mt19937 engine(7);
    for (int round = 0; round < 100000; ++round) {
        std::string line;
        for (int i = static_cast<int>(engine() % 48); i > 0; --i) {
            const bool other = engine() % 40 == 0;
            line += other ? kOther[engine() % (sizeof kOther - 1)]
                          : kPlain[engine() % (sizeof kPlain - 1)];
        }
        const int room = round % 4 == 0 ? static_cast<int>(engine() % 5) : 64;
        std::vector<int> expected = ints(line.c_str());
        if (expected.size() > static_cast<std::size_t>(room)) expected.resize(room);
        std::vector<int> read(64, -1);
        read.resize(static_cast<std::size_t>(int_fields(line.c_str(), read.data(), room)));
        EXPECT_EQ(read, expected) << line;
    }
}
