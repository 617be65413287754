// The lattice type chosen for generation: only a valid code changes it. The
// refused codes' message, with the count of types, is pinned by a transcript.
#include "lattice/lattice_types.h"

#include <gtest/gtest.h>

TEST(LatticeTypes, GenerationStateFollowsTheLastValidType) {
    ASSERT_TRUE(set_generation_type(kFaceCentredCubic));
    EXPECT_EQ(generation_code(), 3);
    EXPECT_EQ(generation_type().coordination, 12);
    EXPECT_EQ(generation_type().ring_depth, 1);
    EXPECT_FALSE(set_generation_type(4));
    EXPECT_FALSE(set_generation_type(-1));
    EXPECT_EQ(generation_code(), 3);
    ASSERT_TRUE(set_generation_type(kDiamond));
    EXPECT_TRUE(generation_type().two_sublattices);
    EXPECT_EQ(lattice_type(4), nullptr);
    EXPECT_STREQ(lattice_type(kBodyCentredCubic)->short_name, "lbcc");
}
