#include "base/alloc.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <string>

TEST(Balloc, TooManyArraysBeforeAnyPreparation) {
    if (Balloc_capacity() != 0) GTEST_SKIP() << "tables already prepared by an earlier test";
    testing::internal::CaptureStderr();
    EXPECT_EQ(Balloc(4, "Xnslwk"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Balloc: Too many arrays 4 > 0!\n (Xnslwk)!\n");
}

TEST(Balloc, ArraysArePaddedToSixteenBytesInOneBlock) {
    auto* sizes = static_cast<std::int32_t*>(Balloc(-4, "test"));
    ASSERT_NE(sizes, nullptr);
    sizes[0] = 168;
    sizes[1] = 40;
    sizes[2] = 40;
    sizes[3] = 80;
    auto** ptrs = static_cast<char**>(Balloc(4, "test"));
    ASSERT_NE(ptrs, nullptr);
    char* block = ptrs[0];
    EXPECT_EQ(ptrs[1] - block, 176);
    EXPECT_EQ(ptrs[2] - block, 224);
    EXPECT_EQ(ptrs[3] - block, 272);
    std::free(block);
}

TEST(Balloc, PreparationKeepsTablesUntilMoreAreNeeded) {
    void* first = Balloc(-10, "test");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(Balloc(-200, "test"), first);
    EXPECT_EQ(Balloc_capacity(), 256);
    ASSERT_NE(Balloc(-300, "test"), nullptr);
    EXPECT_EQ(Balloc_capacity(), 300);
}

TEST(Balloc, AllSizesZeroGiveNothingSilently) {
    auto* sizes = static_cast<std::int32_t*>(Balloc(-3, "test"));
    ASSERT_NE(sizes, nullptr);
    sizes[0] = 0;
    sizes[1] = -5;
    sizes[2] = 0;
    testing::internal::CaptureStderr();
    EXPECT_EQ(Balloc(3, "test"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(Balloc(0, "test"), nullptr);
}

TEST(Balloc, EmptyArrayTakesTheAddressOfTheNextOne) {
    auto* sizes = static_cast<std::int32_t*>(Balloc(-3, "test"));
    ASSERT_NE(sizes, nullptr);
    sizes[0] = 1;
    sizes[1] = 0;
    sizes[2] = 17;
    auto** ptrs = static_cast<char**>(Balloc(3, "test"));
    ASSERT_NE(ptrs, nullptr);
    EXPECT_EQ(ptrs[1] - ptrs[0], 16);
    EXPECT_EQ(ptrs[2] - ptrs[0], 16);
    std::free(ptrs[0]);
}
