#include "base/fields.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cstring>

TEST(IntField, CommaAndBlankSeparateTwoFields) {
    const char* pos = "12, 7";
    int value = 0;
    pos = Bfld_int(pos, 0, &value);
    ASSERT_NE(pos, nullptr);
    EXPECT_EQ(value, 12);
    pos = Bfld_int(pos, 0, &value);
    ASSERT_NE(pos, nullptr);
    EXPECT_EQ(value, 7);
    EXPECT_EQ(Bfld_int(pos, 0, &value), nullptr);
    EXPECT_EQ(value, 7);
}

TEST(IntField, BlankBeforeCommaLeavesTheNextReadAtTheComma) {
    const char* pos = "12 ,7";
    int value = 0;
    pos = Bfld_int(pos, 0, &value);
    EXPECT_EQ(value, 12);
    EXPECT_STREQ(pos, " ,7");
    EXPECT_EQ(Bfld_int(pos, 0, &value), nullptr);
}

TEST(IntField, NoValueMarksReadAsIntMax) {
    const char* pos = "- 5\t~ -0";
    int first = 0, second = 0, third = 0, fourth = 0;
    pos = Bfld_int(pos, 0, &first);
    pos = Bfld_int(pos, 0, &second);
    pos = Bfld_int(pos, 0, &third);
    pos = Bfld_int(pos, 0, &fourth);
    ASSERT_NE(pos, nullptr);
    EXPECT_EQ(first, INT_MAX);
    EXPECT_EQ(second, 5);
    EXPECT_EQ(third, INT_MAX);
    EXPECT_EQ(fourth, INT_MAX);
}

TEST(NumericFields, FloatAndUnsignedNoValueResults) {
    float f = 0;
    unsigned int u = 0;
    EXPECT_NE(Bfld_flt("-0", 0, &f), nullptr);
    EXPECT_EQ(f, FLT_MAX);
    EXPECT_NE(Bfld_uns("~", 0, &u), nullptr);
    EXPECT_EQ(u, UINT_MAX);
    EXPECT_NE(Bfld_flt("-2.5e1,", 0, &f), nullptr);
    EXPECT_EQ(f, -25.0f);
}

TEST(NumericFields, TextThatIsNoNumberGivesNothingAndKeepsTheValue) {
    int value = 3;
    EXPECT_EQ(Bfld_int("x7", 0, &value), nullptr);
    EXPECT_EQ(value, 3);
    EXPECT_EQ(Bfld_int("   ", 0, &value), nullptr);
}

TEST(NoValueMark, TellsWhichMark) {
    EXPECT_EQ(Bfld_nil("  ~ 1", 0), 1);
    EXPECT_EQ(Bfld_nil("-", 0), 2);
    EXPECT_EQ(Bfld_nil("-0", 0), 3);
    EXPECT_EQ(Bfld_nil("-00", 0), 0);
    EXPECT_EQ(Bfld_nil("", 0), 0);
}

TEST(Skip, PassesACommaButStopsAtBlanksAndTabs) {
    const char* text = "  ab,cd\tef";
    const char* pos = Bfld_skip(text, 0);
    EXPECT_STREQ(pos, "cd\tef");
    pos = Bfld_skip(pos, 0);
    EXPECT_STREQ(pos, "\tef");
    EXPECT_STREQ(Bfld_skip(pos, 0), "");
}

TEST(StringField, DoubleQuotedWordKeepsItsBlanksInModeZero) {
    const char* pos = "\"a b\" c";
    char field[16];
    pos = Bfld_str(pos, 0, field);
    ASSERT_NE(pos, nullptr);
    EXPECT_STREQ(field, "a b");
    pos = Bfld_str(pos, 0, field);
    ASSERT_NE(pos, nullptr);
    EXPECT_STREQ(field, "c");
    EXPECT_EQ(Bfld_str(pos, 0, field), nullptr);
    EXPECT_STREQ(field, "c");
}

TEST(StringField, ModeEightQuotesWithTheSingleQuoteOnly) {
    char field[16];
    const char* pos = Bfld_str("\"a b\" c", 8, field);
    EXPECT_STREQ(field, "\"a");
    Bfld_str(pos, 8, field);
    EXPECT_STREQ(field, "b\"");
    Bfld_str("'x y' z", 127, field);
    EXPECT_STREQ(field, "x y");
}

TEST(StringField, MissingClosingQuoteRunsToTheEnd) {
    char field[16];
    const char* pos = Bfld_str(" \"a b", 0, field);
    EXPECT_STREQ(field, "a b");
    EXPECT_STREQ(pos, "");
}

TEST(StringField, WordEndsAtBlankNotAtCommaButNextFieldStartsAfterIt) {
    char field[16];
    const char* pos = Bfld_str("-n10,-e5", 0, field);
    EXPECT_STREQ(field, "-n10,-e5");
    Bfld_str(pos, 0, field);
    EXPECT_STREQ(field, "-e5");
}
