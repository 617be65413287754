// Which walks of an ensemble visit each lattice vertex after their first
// position: the inverted index that lets a probe position find the walks it
// touches from the vertices it marks, without going through every walk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "base/huge_pages.h"

// Walks as vertex indices: the positions after the first of walk w that lie
// on a lattice vertex (index 0 ... n - 1) are steps[ends[w - 1]] up to
// steps[ends[w]] (from 0 for the first walk).
struct WalkSteps {
    std::vector<std::int32_t, HugePageAllocator<std::int32_t>> steps;
    std::vector<std::size_t> ends;
};

class WalkIndex {
public:
    WalkIndex() = default;
    // Every vertex index in walks must lie in 0 ... vertices - 1. The steps
    // serve as scratch space.
    WalkIndex(int vertices, WalkSteps walks);

    int walks() const { return walks_; }
    // Makes it the index of a lattice of more vertices, which no walk visits.
    void cover(int vertices);
    // 64-bit words of a set of walks, one bit per walk (bit w % 64 of word w / 64).
    std::size_t words() const { return words_; }

    // Adds to `touched` every walk that visits vertex v after its first position.
    void add_walks_at(int v, std::uint64_t* touched) const;
    // Sets `touched` (words() words) to the walks that visit any of the vertices.
    void walks_at(const std::vector<std::int32_t>& vertices, std::uint64_t* touched) const;

    // Walks in a set of words() words.
    int count(const std::uint64_t* set) const;

private:
    int walks_ = 0;
    std::size_t words_ = 0;
    // A vertex's walks are a list (each walk once) of walk_ids_[offsets_[v]]
    // up to offsets_[v + 1], or, where a bit set is smaller than the list,
    // the set sets_[dense_[v] * words_ ...] (dense_[v] -1 otherwise).
    std::vector<std::size_t> offsets_;
    std::vector<std::int32_t, HugePageAllocator<std::int32_t>> walk_ids_;
    std::vector<std::int32_t> dense_;
    std::vector<std::uint64_t> sets_;
};
