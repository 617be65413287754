// The element table: symbols both ways, radii outside the table and valences.
// The message for an unknown symbol shows in the .jkl reader's tests.
#include "structure/elements.h"

#include <gtest/gtest.h>

#include <utility>

TEST(Elements, SymbolsLookUpCaseInsensitivelyAndAnEmptyOneIsReported) {
    const std::pair<const char*, int> cases[] = {{"cl", 17}, {" c", 6},   {"C", 6},   {"D", 1},
                                                 {"T", 1},   {"Fm", 100}, {"Sc", 21}, {"S1", 16}};
    for (auto [symbol, number] : cases) EXPECT_EQ(Qelnum(symbol, 1), number) << symbol;
    testing::internal::CaptureStderr();
    EXPECT_EQ(Qelnum("", 1), 0);
    EXPECT_EQ(Qelnum("Xx", 0), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "NO element name given!\a\n");
}

// Elements 72 to 100 take the valence of the element 32 places before;
// outside the table there is no symbol, radius, bond length or valence.
TEST(Elements, SymbolsAndValencesByNumber) {
    const std::pair<int, const char*> symbols[] = {
        {6, "C"}, {17, "Cl"}, {100, "Fm"}, {0, ""}, {101, ""}};
    for (auto [number, symbol] : symbols) {
        char s[3];
        EXPECT_EQ(Qelsym(number, s), *symbol ? 0 : 1) << number;
        EXPECT_STREQ(s, symbol);
    }
    const std::pair<int, int> valences[] = {{1, 1},  {2, 0},  {6, 4},   {7, 3},   {8, 2}, {42, 6},
                                            {50, 4}, {72, 4}, {100, 3}, {101, 0}, {0, 0}};
    for (auto [number, valence] : valences) EXPECT_EQ(Qelval(number), valence) << number;
    EXPECT_EQ(Qelrad(0), 0.0f);
    EXPECT_EQ(Qbdlen(6, 101), 0.0f);
}
