// Lengths in single precision, scaled so that the sum of squares neither
// overflows nor underflows; every distance of the lattices and walks goes
// through them.
#include "structure/geometry.h"

#include <gtest/gtest.h>

TEST(Geometry, LengthsAreScaledAgainstOverflowAndAZeroVectorHasLengthZero) {
    // The plain sum of squares would overflow or underflow single precision.
    EXPECT_FLOAT_EQ(vector_length(3e30f, 4e30f, 0.0f), 5e30f);
    EXPECT_FLOAT_EQ(vector_length(3e-30f, 4e-30f, 0.0f), 5e-30f);
    EXPECT_FLOAT_EQ(vector_length(1.0f, -1.0f, 1.0f), 1.7320508f);
    EXPECT_EQ(vector_length(0.0f, 0.0f, 0.0f), 0.0f);
}
