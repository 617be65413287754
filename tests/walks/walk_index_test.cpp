// The inverted index from vertices to walks: lists and bit sets give the
// same walks, each walk once, and the walks of a set are counted.
#include "walks/walk_index.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// Walk w visits vertex 0 (twice), vertex 1 when w is 5 or 130, and vertex
// 2 when w is a multiple of 50; 200 walks take four words.
WalkSteps sample_walks() {
    WalkSteps w;
    for (int walk = 0; walk < 200; ++walk) {
        w.steps.push_back(0);
        if (walk == 5 || walk == 130) w.steps.push_back(1);
        w.steps.push_back(0);
        if (walk % 50 == 0) w.steps.push_back(2);
        w.ends.push_back(w.steps.size());
    }
    return w;
}

std::vector<int> walks_in(const std::vector<std::uint64_t>& set) {
    std::vector<int> walks;
    for (int w = 0; w < 64 * static_cast<int>(set.size()); ++w)
        if (set[w / 64] >> (w % 64) & 1) walks.push_back(w);
    return walks;
}

}  // namespace

// Vertex 3 is in the index but no walk visits it; 4 and 5 only are covered.
TEST(WalkIndex, AddsTheWalksOfAVertexOnceEachWhetherListedOrInABitSet) {
    WalkIndex index(4, sample_walks());
    index.cover(6);
    index.cover(2);  // never narrower
    ASSERT_EQ(index.walks(), 200);
    ASSERT_EQ(index.words(), 4u);
    std::vector<std::uint64_t> touched(4, 0);
    for (int v = 3; v < 6; ++v) index.add_walks_at(v, touched.data());
    EXPECT_EQ(index.count(touched.data()), 0);
    index.add_walks_at(1, touched.data());
    EXPECT_EQ(walks_in(touched), (std::vector<int>{5, 130}));
    EXPECT_EQ(index.count(touched.data()), 2);
    index.add_walks_at(2, touched.data());
    EXPECT_EQ(walks_in(touched), (std::vector<int>{0, 5, 50, 100, 130, 150}));
    EXPECT_EQ(index.count(touched.data()), 6);
    index.add_walks_at(0, touched.data());  // every walk: a bit set
    EXPECT_EQ(index.count(touched.data()), 200);

    WalkIndex empty(0, WalkSteps{});
    empty.cover(2);
    empty.add_walks_at(1, touched.data());
}
