// The field readers: separators, no-value marks, quotes, fields of any
// length, and the numeric readers against sscanf on random lines.
#include "base/fields.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <random>
#include <string>
#include <vector>

#include "support/differential.h"

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
    for (const char* pos = line; (pos = Bfld_str(pos, mode, field));) {
        if (!read.empty()) read += '|';
        read += field;
    }
    return read;
}

}  // namespace

TEST(Fields, ACommaIsPassedABlankOrTabEndsAFieldAndTheModeChoosesTheQuote) {
    using V = std::vector<int>;
    EXPECT_EQ(ints("12, 7"), (V{12, 7}));
    EXPECT_EQ(ints("12 ,7"), (V{12}));
    EXPECT_EQ(ints("1,2\t3 x7 8"), (V{1, 2, 3}));
    EXPECT_STREQ(Bfld_skip("  ab,cd\tef", 0), "cd\tef");
    EXPECT_STREQ(Bfld_skip("cd\tef", 0), "\tef");
    EXPECT_STREQ(Bfld_skip("\tef", 0), "");
    // A word ends at a blank, but the next field starts after a comma.
    EXPECT_EQ(strings("-n10,-e5 x", 0), "-n10,-e5|-e5|x");
    EXPECT_EQ(strings("\"a b\" c", 0), "a b|c");
    EXPECT_EQ(strings("\"a b\" c", 8), "\"a|b\"|c");
    EXPECT_EQ(strings("'x y' z", 127), "x y|z");
    EXPECT_EQ(strings(" \"a b", 0), "a b");  // no closing quote: up to the end
}

// FLT_MAX and INT_MAX for the marks, and keeping the value when a field gives no
// number, are checked against sscanf on random lines below.
TEST(Fields, NoValueMarksReadAsTheLargestValue) {
    EXPECT_EQ(ints("- 5\t~ -0 -00"), (std::vector<int>{INT_MAX, 5, INT_MAX, INT_MAX, 0}));
    unsigned int u = 0;
    EXPECT_NE(Bfld_uns("~", 0, &u), nullptr);
    EXPECT_EQ(u, UINT_MAX);
    // Which mark a field is; fields of any length are looked at where they stand.
    const std::string longer(10000, '7');
    std::string marks;
    for (const std::string& field :
         std::vector<std::string>{"  ~ 1", "-", "-0", "-00", "", longer, "\"" + longer})
        marks += std::to_string(Bfld_nil(field.c_str(), 0));
    EXPECT_EQ(marks, "1230000");
}

// A numeric field is what the no-value check or sscanf make of it, and the
// next field is where the skip puts it; nothing is stored when neither reads.
template <typename T>
void expect_read_as_sscanf(const std::string& line, int mode,
                           const char* (*read)(const char*, int, T*), T no_value) {
    T value = static_cast<T>(-7), expected = value;  // a value to keep on failure
    int used = 0;
    const char* next = read(line.c_str(), mode, &value);
    const bool nil = Bfld_nil(line.c_str(), mode) != 0;
    if (nil) expected = no_value;
    const bool any = nil || scan_number(line, &expected, &used);
    EXPECT_EQ(next, any ? Bfld_skip(line.c_str(), mode) : nullptr) << line;
    EXPECT_TRUE(same_bits(value, expected)) << line;
}

TEST(Fields, NumbersReadAsTheMarkCheckAndSscanfDoOnRandomLines) {
    std::mt19937 engine(3);
    for (int round = 0; round < 100000; ++round) {
        const std::string line = random_text(engine, "0123456789-+~.,e\"' \t", 16);
        const int mode = round % 2 ? kFieldSingleQuote : 0;
        expect_read_as_sscanf(line, mode, Bfld_int, INT_MAX);
        expect_read_as_sscanf(line, mode, Bfld_flt, FLT_MAX);
    }
}

TEST(Fields, IntFieldsReadAsRepeatedIntFieldsDoOnRandomLines) {
    // Mostly digits, blanks and tabs (the quick path), about one character in
    // forty one that sends the rest of the line to Bfld_int.
    std::string alphabet;
    for (int i = 0; i < 11; ++i) alphabet += "0123456789012345678999 \t";
    alphabet += "-~,+x\v\"";
    std::mt19937 engine(7);
    for (int round = 0; round < 100000; ++round) {
        const std::string line = random_text(engine, alphabet, 48);
        const int room = round % 4 == 0 ? static_cast<int>(engine() % 5) : 64;
        std::vector<int> expected = ints(line.c_str());
        if (expected.size() > static_cast<std::size_t>(room)) expected.resize(room);
        std::vector<int> read(64, -1);
        read.resize(static_cast<std::size_t>(int_fields(line.c_str(), read.data(), room)));
        EXPECT_EQ(read, expected) << line;
    }
}
