// The sampler's generator: the reference algorithm's outputs (seeded through
// SplitMix64, whose outputs they depend on), the uniform deviate made from
// them, and reproducible streams that differ from one another.
#include "perm/random_stream.h"

#include <gtest/gtest.h>

#include <set>

TEST(PermRandom, XoshiroSeededThroughSplitMixFollowsTheReferenceAlgorithm) {
    // Worked out with a separate implementation of the reference code.
    Xoshiro256 random(42);
    EXPECT_EQ(random.next(), 0x15780b2e0c2ec716ULL);
    EXPECT_EQ(random.next(), 0x6104d9866d113a7eULL);
    EXPECT_EQ(random.next(), 0xae17533239e499a1ULL);
    EXPECT_EQ(Xoshiro256(42).uniform(),
              static_cast<double>(0x15780b2e0c2ec716ULL >> 11) * 0x1.0p-53);
}

TEST(PermRandom, AStreamIsFixedByItsSeedAndIndexAndDiffersFromItsNeighbours) {
    Xoshiro256 a = random_stream(7, 3), b = random_stream(7, 3);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(a.next(), b.next());
    // Neighbouring seeds and indices, and swapped ones, start far apart.
    std::set<std::uint64_t> first;
    for (std::uint64_t seed = 0; seed < 30; ++seed) {
        for (std::uint64_t index = 0; index < 30; ++index) {
            first.insert(random_stream(seed, index).next());
        }
    }
    EXPECT_EQ(first.size(), 900u);
    EXPECT_NE(random_stream(1, 2).next(), random_stream(2, 1).next());
}
