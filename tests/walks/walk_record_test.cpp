// Walk records: arrays that start initialised, and no record without room.
#include "walks/walk_record.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Xnslwk, ArraysStartInitialisedAndThereIsNoRecordWithoutRoom) {
    WalkRecord* walk = Xnslwk(3);
    ASSERT_NE(walk, nullptr);
    EXPECT_EQ(walk->capacity, 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(walk->numbers[i], 0);
        EXPECT_EQ(walk->elements[i], 6);
        EXPECT_EQ(walk->vertices[i], nullptr);
    }
    std::free(walk);
    EXPECT_EQ(Xnslwk(0), nullptr);
    EXPECT_EQ(Xnslwk(-4), nullptr);
    EXPECT_EQ(Xnslwk(0x7fffffff), nullptr);
}
