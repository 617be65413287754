#include "base/text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// Every line Bln_get reads from text with a buffer of size n.
std::vector<std::string> lines(std::string text, int n) {
    std::FILE* fp = fmemopen(text.data(), text.size(), "r");
    std::vector<std::string> read;
    std::vector<char> buf(n);
    while (Bln_get(buf.data(), n, fp)) read.emplace_back(buf.data());
    std::fclose(fp);
    return read;
}

}  // namespace

TEST(LineReader, CutsAtTheFirstCarriageReturnOrLineFeed) {
    using L = std::vector<std::string>;
    EXPECT_EQ(lines("first\r\nsecond\n\nthird", 32), (L{"first", "second", "", "third"}));
    EXPECT_EQ(lines("a\rb\n", 32), (L{"a"}));
}

TEST(LineReader, ReadsALongLineInPiecesOfSizeMinusOne) {
    EXPECT_EQ(lines("abcdefg\nh\n", 4), (std::vector<std::string>{"abc", "def", "g", "h"}));
}

TEST(LineReader, TellsWhetherALineWentOnPastThePiece) {
    std::string text = "abcdef\nabc\nab\nxyz";
    std::FILE* fp = fmemopen(text.data(), text.size(), "r");
    char buf[4];
    bool cut = false;
    std::string seen;
    while (Bln_get(buf, 4, fp, &cut)) seen += std::string(buf) + (cut ? "+" : "|");
    std::fclose(fp);
    // A line of exactly three characters fits, line feed and all.
    EXPECT_EQ(seen, "abc+def|abc|ab|xyz|");
    EXPECT_EQ(lines("abc", 1), std::vector<std::string>{});
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

TEST(Trim, LeftAndRightRemoveOnlyTheirEnd) {
    char left[] = " \t x y ";
    Bst_ltrim(left, " \t");
    EXPECT_STREQ(left, "x y ");
    char right[] = " ab \n \n";
    EXPECT_EQ(Bst_rtrim(right, " \n"), 3);
    EXPECT_STREQ(right, " ab");
    char all[] = "   ";
    EXPECT_EQ(Bst_rtrim(all, " "), 0);
    EXPECT_STREQ(all, "");
}

TEST(RemoveCharacters, SetOrSingleCharacterAnywhere) {
    char text[] = ",a;b,,c;";
    EXPECT_EQ(Bst_rmset(text, ""), -11);
    EXPECT_STREQ(text, ",a;b,,c;");
    EXPECT_EQ(Bst_rmset(text, ",;"), 3);
    EXPECT_STREQ(text, "abc");
    char dashes[] = "a-b--c-";
    char other[sizeof dashes];
    Bst_rmch(other, dashes, '-');
    EXPECT_STREQ(other, "abc");
    Bst_rmch(dashes, dashes, '-');
    EXPECT_STREQ(dashes, "abc");
}

TEST(Slash, TurnsEveryBackslashAndCountsThem) {
    char text[] = "dir\\sub\\opts";
    EXPECT_EQ(Bst_slash(text), 2);
    EXPECT_STREQ(text, "dir/sub/opts");
}
