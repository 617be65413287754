#include "base/text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

std::FILE* memory_stream(std::string& text) {
    return fmemopen(text.data(), text.size(), "r");
}

}  // namespace

TEST(LineReader, CutsCarriageReturnAndLineFeed) {
    std::string text = "first\r\nsecond\n\nthird";
    std::FILE* fp = memory_stream(text);
    char line[32];
    ASSERT_EQ(Bln_get(line, sizeof line, fp), line);
    EXPECT_STREQ(line, "first");
    ASSERT_NE(Bln_get(line, sizeof line, fp), nullptr);
    EXPECT_STREQ(line, "second");
    ASSERT_NE(Bln_get(line, sizeof line, fp), nullptr);
    EXPECT_STREQ(line, "");
    ASSERT_NE(Bln_get(line, sizeof line, fp), nullptr);
    EXPECT_STREQ(line, "third");
    EXPECT_EQ(Bln_get(line, sizeof line, fp), nullptr);
    std::fclose(fp);
}

TEST(LineReader, CutsAtACarriageReturnInsideTheLine) {
    std::string text = "a\rb\n";
    std::FILE* fp = memory_stream(text);
    char line[8];
    ASSERT_NE(Bln_get(line, sizeof line, fp), nullptr);
    EXPECT_STREQ(line, "a");
    std::fclose(fp);
}

TEST(LineReader, ReadsALongLineInPiecesOfSizeMinusOne) {
    std::string text = "abcdefg\nh\n";
    std::FILE* fp = memory_stream(text);
    char line[4];
    const char* pieces[] = {"abc", "def", "g", "h"};
    for (const char* piece : pieces) {
        ASSERT_NE(Bln_get(line, sizeof line, fp), nullptr);
        EXPECT_STREQ(line, piece);
    }
    EXPECT_EQ(Bln_get(line, sizeof line, fp), nullptr);
    std::fclose(fp);
}

TEST(StringCopy, NegativeExtraPutsBlanksInFront) {
    char* copy = Bst_alc("ab", -3);
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, "   ab");
    std::free(copy);
}

TEST(StringCopy, PositiveExtraLeavesRoomBehindTheText) {
    char* copy = Bst_alc("ab", 2);
    ASSERT_NE(copy, nullptr);
    std::strcat(copy, "cd");  // the sanitizers check the room
    EXPECT_STREQ(copy, "abcd");
    std::free(copy);
}

TEST(StringCopy, NoTextGivesNothing) { EXPECT_EQ(Bst_alc(nullptr, 4), nullptr); }

TEST(Trim, LeftRemovesOnlyLeadingCharactersOfTheSet) {
    char text[] = " \t x y ";
    Bst_ltrim(text, " \t");
    EXPECT_STREQ(text, "x y ");
}

TEST(Trim, RightReturnsTheRemainingLength) {
    char text[] = "ab \n \n";
    EXPECT_EQ(Bst_rtrim(text, " \n"), 2);
    EXPECT_STREQ(text, "ab");
}

TEST(Trim, RightOfTextMadeOnlyOfTheSetLeavesItEmpty) {
    char text[] = "   ";
    EXPECT_EQ(Bst_rtrim(text, " "), 0);
    EXPECT_STREQ(text, "");
}

TEST(RemoveCharacters, SetRemovesEveryMemberAnywhere) {
    char text[] = ",a;b,,c;";
    EXPECT_EQ(Bst_rmset(text, ",;"), 3);
    EXPECT_STREQ(text, "abc");
}

TEST(RemoveCharacters, EmptySetChangesNothingAndGivesMinusEleven) {
    char text[] = "a b";
    EXPECT_EQ(Bst_rmset(text, ""), -11);
    EXPECT_STREQ(text, "a b");
}

TEST(RemoveCharacters, SingleCharacterInPlaceAndIntoAnotherBuffer) {
    char text[] = "a-b--c-";
    char other[sizeof text];
    Bst_rmch(other, text, '-');
    EXPECT_STREQ(other, "abc");
    Bst_rmch(text, text, '-');
    EXPECT_STREQ(text, "abc");
}

TEST(Slash, TurnsEveryBackslashAndCountsThem) {
    char text[] = "dir\\sub\\opts";
    EXPECT_EQ(Bst_slash(text), 2);
    EXPECT_STREQ(text, "dir/sub/opts");
}
