#include "lattice/lattice_types.h"

#include <gtest/gtest.h>

TEST(LatticeTypes, FourTypesWithTheirDisplayNames) {
    EXPECT_EQ(Xltnty(nullptr), 4);
    const char* const* names = nullptr;
    ASSERT_EQ(Xltnty(&names), 4);
    EXPECT_STREQ(names[0], "diamond");
    EXPECT_STREQ(names[1], "simple cubic");
    EXPECT_STREQ(names[2], "body centered cubic");
    EXPECT_STREQ(names[3], "face centered cubic");
}

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
