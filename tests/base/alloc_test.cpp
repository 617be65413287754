// Several arrays in one block: the shared size and pointer tables, padding
// to 16 bytes, and the message for misuse.
#include "base/alloc.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// Prepares the tables for the given array sizes and allocates them; returns
// each array's offset from the block, or nothing when no block came back.
std::vector<long> offsets(const std::vector<std::int32_t>& sizes) {
    auto* table = static_cast<std::int32_t*>(Balloc(-static_cast<int>(sizes.size()), "test"));
    for (std::size_t i = 0; i < sizes.size(); ++i) table[i] = sizes[i];
    auto** ptrs = static_cast<char**>(Balloc(static_cast<int>(sizes.size()), "test"));
    if (!ptrs) return {};
    std::vector<long> result;
    for (std::size_t i = 0; i < sizes.size(); ++i) result.push_back(ptrs[i] - ptrs[0]);
    std::free(ptrs[0]);
    return result;
}

}  // namespace

TEST(Balloc, TooManyArraysBeforeAnyPreparation) {
    if (Balloc_capacity() != 0) GTEST_SKIP() << "tables already prepared by an earlier test";
    testing::internal::CaptureStderr();
    EXPECT_EQ(Balloc(4, "Xnslwk"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Balloc: Too many arrays 4 > 0!\n (Xnslwk)!\n");
}

// 168 rounds up to 176, 40 to 48; an empty array takes the address of the
// next one; all sizes 0 give no block and no message.
TEST(Balloc, ArraysArePaddedToSixteenBytesInOneBlock) {
    EXPECT_EQ(offsets({168, 40, 40, 80}), (std::vector<long>{0, 176, 224, 272}));
    EXPECT_EQ(offsets({1, 0, 17}), (std::vector<long>{0, 16, 16}));
    testing::internal::CaptureStderr();
    EXPECT_EQ(offsets({0, -5, 0}), std::vector<long>{});
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(Balloc(0, "test"), nullptr);
}
