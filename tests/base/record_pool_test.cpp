// Records cut from blocks: each one apart from the others and aligned, and a
// record given back handed out again first.
#include "base/record_pool.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <set>
#include <vector>

TEST(RecordPool, HandsOutAlignedRecordsApartAndGivenBackOnesFirst) {
    for (std::size_t size : {1u, 24u, 208u, 70000u}) {
        RecordPool pool(size);
        std::vector<char*> records;
        const int count = size > 1000 ? 20 : 5000;  // several blocks for every size
        for (int i = 0; i < count; ++i) {
            auto* r = static_cast<char*>(pool.take("test"));
            ASSERT_NE(r, nullptr);
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(r) % alignof(std::max_align_t), 0u);
            std::memset(r, i & 0xff, size);
            records.push_back(r);
        }
        for (int i = 0; i < count; ++i)
            EXPECT_EQ(records[i][size - 1], static_cast<char>(i & 0xff)) << size << " " << i;
        EXPECT_EQ(std::set<char*>(records.begin(), records.end()).size(), records.size());

        pool.give_back(records[3]);
        pool.give_back(records[7]);
        pool.give_back(nullptr);
        EXPECT_EQ(pool.take("test"), records[7]);
        EXPECT_EQ(pool.take("test"), records[3]);
        EXPECT_NE(pool.take("test"), records[3]);
    }
}
