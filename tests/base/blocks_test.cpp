#include "base/blocks.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(MemoryMessage, NamesTheRequester) {
    testing::internal::CaptureStderr();
    Bmem_err("Bfil_open");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Bfil_open: can't allocate memory\n");
}

TEST(PointerIndex, FindsTheFirstEqualElement) {
    int a = 0, b = 0;
    const void* array[] = {&a, &b, &b};
    EXPECT_EQ(Bptr_idx(&b, array, 3), 1);
    EXPECT_EQ(Bptr_idx(&b, array, 1), -1);
    EXPECT_EQ(Bptr_idx(&a, array, 0), -1);
    EXPECT_EQ(Bptr_idx(nullptr, array, 3), -1);
}

TEST(ReleaseHolder, ReleasesTheBlockAndTheHolder) {
    // The sanitizers report a double or invalid release.
    auto** holder = static_cast<void**>(std::malloc(2 * sizeof(void*)));
    holder[0] = std::malloc(16);
    Bfree2(holder);
    auto** empty = static_cast<void**>(std::malloc(sizeof(void*)));
    empty[0] = nullptr;
    Bfree2(empty);
    Bfree2(nullptr);
}
