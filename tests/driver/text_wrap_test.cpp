#include "driver/option_parser.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

struct Wrapped {
    std::string text;
    int column;
};

Wrapped wrap(const char* text, int width, int indent, int column) {
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* stream = open_memstream(&buffer, &size);
    int end = Bprt_wrap(text, width, indent, column, stream);
    std::fclose(stream);
    Wrapped result{std::string(buffer, size), end};
    std::free(buffer);
    return result;
}

}  // namespace

TEST(TextWrap, BreaksBeforeAWordThatPassesTheWidth) {
    Wrapped w = wrap("aaa bbb ccc", 7, 2, 0);
    EXPECT_EQ(w.text, "  aaa\n  bbb\n  ccc");
    EXPECT_EQ(w.column, 5);
}

TEST(TextWrap, TheBlankIsNotCountedSoALineCanReachWidthPlusOne) {
    Wrapped w = wrap("aaa bbb ccc", 7, 0, 0);
    EXPECT_EQ(w.text, "aaa bbb\nccc");
    EXPECT_EQ(w.column, 3);
}

TEST(TextWrap, PadsUpToTheIndentFromALowerColumn) {
    EXPECT_EQ(wrap("x", 78, 5, 2).text, "   x");
    EXPECT_EQ(wrap("x", 78, 2, 4).text, "x");
    EXPECT_EQ(wrap("x", 78, 2, 4).column, 5);
}

TEST(TextWrap, FirstWordIsCheckedBeforeItIsPrinted) {
    Wrapped w = wrap("abcdef gh", 10, 3, 6);
    EXPECT_EQ(w.text, "\n   abcdef\n   gh");
    EXPECT_EQ(w.column, 5);
}

TEST(TextWrap, LineFeedsIndentTheNextLineButNotAFinalOne) {
    Wrapped w = wrap("ab\ncd\n\n", 78, 2, 0);
    EXPECT_EQ(w.text, "  ab\n  cd\n  \n");
    EXPECT_EQ(w.column, 0);
}

TEST(TextWrap, LineFeedInsideTheNextWordCountsTowardsItsLength) {
    EXPECT_EQ(wrap("ab cd\ne", 5, 0, 0).text, "ab\ncd\ne");
    EXPECT_EQ(wrap("ab cd\ne", 6, 0, 0).text, "ab cd\ne");
}

TEST(TextWrap, TextBeginningWithABlankChecksTheWordAfterIt) {
    EXPECT_EQ(wrap(" 'abc'", 10, 4, 6).text, "\n    'abc'");
    EXPECT_EQ(wrap(" 'abc'", 10, 4, 5).text, " 'abc'");
}

TEST(TextWrap, NullTextPrintsNothing) {
    Wrapped w = wrap(nullptr, 78, 2, 40);
    EXPECT_EQ(w.text, "");
    EXPECT_EQ(w.column, 0);
}
