// Colour numbers: the next colour of a copy and the lists of colour names.
// The names of single colours show in the CIF writer's tests.
#include "structure/colours.h"

#include <gtest/gtest.h>

TEST(Colours, NextColourWrapsToCyanAndNameListsComeWithAndWithoutBlack) {
    EXPECT_EQ(next_colour(12), 2);
    EXPECT_EQ(next_colour(0), 2);
    EXPECT_EQ(next_colour(-4), 5);
    EXPECT_EQ(next_colour(11), 12);
    int n = 0;
    const char* const* names = Qcolour_names(3, &n);
    EXPECT_EQ(n, 3);
    EXPECT_STREQ(names[0], "white");
    EXPECT_STREQ(names[2], "yellow");
    names = Qcolour_names(-20, &n);
    EXPECT_EQ(n, 13);
    EXPECT_STREQ(names[12], "black");
    EXPECT_EQ(colour_name(13), nullptr);
}
