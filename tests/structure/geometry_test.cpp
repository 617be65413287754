#include "structure/geometry.h"

#include <gtest/gtest.h>

#include <cfloat>

#include "structure/model.h"

TEST(Geometry, LengthsOfSimpleVectors) {
    EXPECT_EQ(vector_length(3.0f, 4.0f, 0.0f), 5.0f);
    EXPECT_EQ(vector_length(0.0f, 0.0f, 0.0f), 0.0f);
    EXPECT_EQ(vector_length(0.0f, -2.5f, 0.0f), 2.5f);
    EXPECT_FLOAT_EQ(vector_length(1.0f, 1.0f, 1.0f), 1.7320508f);
}

TEST(Geometry, ScalingAvoidsOverflow) {
    // The plain sum of squares would overflow single precision.
    EXPECT_FLOAT_EQ(vector_length(3e30f, 4e30f, 0.0f), 5e30f);
    EXPECT_FLOAT_EQ(vector_length(3e-30f, 4e-30f, 0.0f), 5e-30f);
}

TEST(Geometry, AtomDistanceUsesTheCoordinateDifference) {
    Atom a, b;
    a.x = 1.0f;
    a.y = 2.0f;
    b.x = 4.0f;
    b.y = 6.0f;
    EXPECT_EQ(atom_distance(&a, &b), 5.0f);
    EXPECT_EQ(atom_distance(&b, &a), 5.0f);
}
