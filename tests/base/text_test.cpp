// Line reading in pieces and the in-place text edits.
#include "base/text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <tuple>

namespace {

// Every piece Bln_get reads from text with a buffer of size n, each followed
// by "+" when the line went on past it and by "|" when it did not.
std::string pieces(std::string text, int n) {
    std::FILE* fp = fmemopen(text.data(), text.size(), "r");
    std::string seen;
    std::string buf(n, '\0');
    bool cut = false;
    while (Bln_get(buf.data(), n, fp, &cut)) seen += std::string(buf.c_str()) + (cut ? "+" : "|");
    std::fclose(fp);
    return seen;
}

}  // namespace

// A line is cut at its first carriage return or line feed; a longer line
// comes in pieces of n - 1 characters, and a line of exactly n - 1 fits.
TEST(LineReader, ReadsLinesInPiecesOfSizeMinusOne) {
    const std::tuple<std::string, int, std::string> cases[] = {
        {"first\r\nsecond\n\nthird", 32, "first|second||third|"},
        {"a\rb\n", 32, "a|"},
        {"abcdefg\nh\n", 4, "abc+def+g|h|"},
        {"abcdef\nabc\nab\nxyz", 4, "abc+def|abc|ab|xyz|"},
        {"abc", 1, ""},
    };
    for (const auto& [text, n, expected] : cases) EXPECT_EQ(pieces(text, n), expected) << text;
}

TEST(LineReader, SkipsTheRestOfACutLine) {
    std::string text = "abcdefgh\nnext\n";
    std::FILE* fp = fmemopen(text.data(), text.size(), "r");
    char buf[4];
    Bln_get(buf, 4, fp);
    Bln_skip_rest(fp);
    EXPECT_STREQ(Bln_get(buf, 4, fp), "nex");
    std::fclose(fp);
}

TEST(StringCopy, ExtraMakesRoomBehindOrBlanksInFront) {
    char* blanks = Bst_alc("ab", -3);
    EXPECT_STREQ(blanks, "   ab");
    char* room = Bst_alc("ab", 2);
    std::strcat(room, "cd");  // the sanitizers check the room
    EXPECT_STREQ(room, "abcd");
    EXPECT_EQ(Bst_alc(nullptr, 4), nullptr);
    std::free(blanks);
    std::free(room);
}

TEST(StringCopy, AFieldCopyIsCutToTheFieldAndPaddedWithNulBytes) {
    char field[6];
    std::memset(field, 'x', sizeof field);
    copy_into_field(field, sizeof field, "ab");
    EXPECT_EQ(std::string(field, sizeof field), std::string("ab\0\0\0\0", 6));
    copy_into_field(field, sizeof field, "abcdefgh");
    EXPECT_EQ(std::string(field, sizeof field), std::string("abcde\0", 6));
}

// Trimming blanks and turning backslashes into slashes are seen through the
// file table's names and the option parser's words.
TEST(TextEdits, TrimsAndRemovalsTakeOnlyTheirCharacters) {
    char all[] = "   ";
    EXPECT_EQ(Bst_rtrim(all, " "), 0);
    EXPECT_STREQ(all, "");
    char text[] = ",a;b,,c;";
    EXPECT_EQ(Bst_rmset(text, ""), -11);
    EXPECT_EQ(Bst_rmset(text, ",;"), 3);
    EXPECT_STREQ(text, "abc");
    char dashes[] = "a-b--c-";
    char other[sizeof dashes];
    Bst_rmch(other, dashes, '-');
    EXPECT_STREQ(other, "abc");
    Bst_rmch(dashes, dashes, '-');
    EXPECT_STREQ(dashes, "abc");
}
