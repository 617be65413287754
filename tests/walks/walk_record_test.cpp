#include "walks/walk_record.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Xnslwk, ArraysStartInitialisedInOnePaddedBlock) {
    WalkRecord* walk = Xnslwk(3);
    ASSERT_NE(walk, nullptr);
    EXPECT_EQ(walk->capacity, 3);
    const char* base = reinterpret_cast<const char*>(walk);
    // The fixed part fills 176 bytes; 12, 12 and 24 bytes are padded to 16, 16 and 32.
    EXPECT_EQ(reinterpret_cast<const char*>(walk->numbers) - base, 176);
    EXPECT_EQ(reinterpret_cast<const char*>(walk->elements) - base, 192);
    EXPECT_EQ(reinterpret_cast<const char*>(walk->vertices) - base, 208);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(walk->numbers[i], 0);
        EXPECT_EQ(walk->elements[i], 6);
        EXPECT_EQ(walk->vertices[i], nullptr);
    }
    std::free(walk);
}

TEST(Xnslwk, NoRecordWithoutRoom) {
    EXPECT_EQ(Xnslwk(0), nullptr);
    EXPECT_EQ(Xnslwk(-4), nullptr);
    EXPECT_EQ(Xnslwk(0x7fffffff), nullptr);
}
