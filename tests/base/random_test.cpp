// The C library generator scaled to [0, 1], seeded through Bsrand.
#include "base/random.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Brandf, ScalesTheCLibraryGeneratorSeededByBsrandToTheUnitInterval) {
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
