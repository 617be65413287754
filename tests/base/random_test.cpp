#include "base/random.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Brandf, ScalesTheCLibraryGeneratorToTheUnitInterval) {
    Bsrand(12345);
    float drawn[100];
    for (float& x : drawn) x = Brandf();
    std::srand(12345);
    for (float x : drawn) {
        EXPECT_EQ(x, static_cast<float>(std::rand() / 2147483647.0));
        EXPECT_GE(x, 0.0f);
        EXPECT_LE(x, 1.0f);
    }
}

TEST(Bsrand, TheSameSeedRepeatsTheSequence) {
    Bsrand(7);
    const float a = Brandf(), b = Brandf();
    Bsrand(7);
    EXPECT_EQ(Brandf(), a);
    EXPECT_EQ(Brandf(), b);
}
