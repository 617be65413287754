// Bprt_wrap: words wrapped at a width after an indent, the end column returned.
#include "cli/option_parser.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/memory_stream.h"

namespace {

struct WrapCase {
    const char* text;
    int width, indent, column;
    std::string printed;
    int end_column;
};

class TextWrap : public testing::TestWithParam<WrapCase> {};

const WrapCase kCases[] = {
    {"aaa bbb ccc", 7, 2, 0, "  aaa\n  bbb\n  ccc", 5},
    {"aaa bbb ccc", 7, 0, 0, "aaa bbb\nccc", 3},  // the blank is not counted: width + 1
    {"x", 78, 5, 2, "   x", 6},                   // pads up to the indent
    {"x", 78, 2, 4, "x", 5},
    {"abcdef gh", 10, 3, 6, "\n   abcdef\n   gh", 5},  // the first word is checked too
    {"ab\ncd\n\n", 78, 2, 0, "  ab\n  cd\n  \n", 0},   // no indent after a final line feed
    {"ab cd\ne", 5, 0, 0, "ab\ncd\ne", 1},             // a line feed counts in a word
    {"ab cd\ne", 6, 0, 0, "ab cd\ne", 1},
    {" 'abc'", 10, 4, 6, "\n    'abc'", 9},
    {" 'abc'", 10, 4, 5, " 'abc'", 11},
    {nullptr, 78, 2, 40, "", 0},
};

}  // namespace

TEST_P(TextWrap, PrintsAndReturnsTheColumn) {
    const WrapCase& c = GetParam();
    int end = -1;
    EXPECT_EQ(
        written([&](std::FILE* fp) { end = Bprt_wrap(c.text, c.width, c.indent, c.column, fp); }),
        c.printed);
    EXPECT_EQ(end, c.end_column);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextWrap, testing::ValuesIn(kCases));
