// Building the inverted index from walks to vertices, and reading it.
#include "walks/walk_index.h"

#include <algorithm>
#include <cassert>

namespace {

// Bits set in a word, by sums of neighbouring bit fields: a handful of
// operations the compiler can apply to several words at once, where
// std::popcount becomes a call without a hardware instruction to use.
std::uint64_t bits_set(std::uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555u);
    x = (x & 0x3333333333333333u) + ((x >> 2) & 0x3333333333333333u);
    x = (x + (x >> 4)) & 0x0f0f0f0f0f0f0f0fu;
    return (x * 0x0101010101010101u) >> 56;
}

// Drops every step of a walk to a vertex the walk visited before, keeping
// the walks' order and their first visits in order, and counts the walks
// that visit vertex v in visits[v + 1].
void keep_first_visits(int vertices, WalkSteps& w, std::size_t* visits) {
    std::vector<std::int32_t> last(static_cast<std::size_t>(vertices), -1);
    std::int32_t* steps = w.steps.data();
    std::size_t kept = 0;
    std::size_t begin = 0;
    for (std::size_t walk = 0; walk < w.ends.size(); ++walk) {
        const auto id = static_cast<std::int32_t>(walk);
        const std::size_t end = w.ends[walk];
        for (std::size_t i = begin; i < end; ++i) {
            const std::int32_t v = steps[i];
            if (last[v] == id) continue;
            last[v] = id;
            ++visits[v + 1];
            steps[kept++] = v;
        }
        begin = end;
        w.ends[walk] = kept;
    }
    w.steps.resize(kept);
}

}  // namespace

WalkIndex::WalkIndex(int vertices, WalkSteps w)
    : walks_(static_cast<int>(w.ends.size())), words_((w.ends.size() + 63) / 64) {
    const auto n = static_cast<std::size_t>(vertices);
    offsets_.assign(n + 1, 0);
    keep_first_visits(vertices, w, offsets_.data());

    // A vertex that most walks visit (near the graft point) keeps a bit set:
    // smaller than its list and quicker to add.
    dense_.assign(n, -1);
    std::int32_t dense_count = 0;
    for (std::size_t v = 0; v < n; ++v) {
        if (offsets_[v + 1] > 2 * words_) {
            dense_[v] = dense_count++;
            offsets_[v + 1] = 0;
        }
    }
    for (std::size_t v = 0; v < n; ++v) offsets_[v + 1] += offsets_[v];
    walk_ids_.resize(offsets_[n]);
    sets_.assign(static_cast<std::size_t>(dense_count) * words_, 0);

    // offsets_[v] serves as the fill cursor of list v and then ends where
    // list v + 1 begins; moving every offset up one place restores them.
    std::size_t* cursor = offsets_.data();
    std::int32_t* ids = walk_ids_.data();
    std::uint64_t* sets = sets_.data();
    std::size_t begin = 0;
    // (The walk's end and the arrays are held in locals: stores through
    // `cursor` could otherwise change them, as far as the compiler knows, and
    // they would be read again at every step.)
    const std::int32_t* steps = w.steps.data();
    const std::int32_t* dense = dense_.data();
    const std::size_t words = words_;
    for (std::size_t walk = 0; walk < w.ends.size(); ++walk) {
        const std::uint64_t bit = 1ull << (walk % 64);
        const std::size_t word = walk / 64;
        const std::size_t end = w.ends[walk];
        for (std::size_t i = begin; i < end; ++i) {
            const std::int32_t v = steps[i];
            if (dense[v] >= 0) {
                sets[static_cast<std::size_t>(dense[v]) * words + word] |= bit;
            } else {
                ids[cursor[v]++] = static_cast<std::int32_t>(walk);
            }
        }
        begin = end;
    }
    for (std::size_t v = n; v > 0; --v) offsets_[v] = offsets_[v - 1];
    offsets_[0] = 0;
}

void WalkIndex::cover(int vertices) {
    const auto n = static_cast<std::size_t>(vertices);
    if (n < dense_.size()) return;
    offsets_.resize(n + 1, offsets_.empty() ? 0 : offsets_.back());
    dense_.resize(n, -1);
}

void WalkIndex::add_walks_at(int v, std::uint64_t* touched) const {
    assert(v >= 0 && static_cast<std::size_t>(v) < dense_.size());
    if (dense_[v] >= 0) {
        const std::uint64_t* set = &sets_[static_cast<std::size_t>(dense_[v]) * words_];
        for (std::size_t i = 0; i < words_; ++i) touched[i] |= set[i];
        return;
    }
    for (std::size_t i = offsets_[v]; i < offsets_[v + 1]; ++i) {
        const std::int32_t walk = walk_ids_[i];
        touched[walk / 64] |= 1ull << (walk % 64);
    }
}

void WalkIndex::walks_at(const std::vector<std::int32_t>& vertices,
                         std::uint64_t* touched) const {
    std::fill(touched, touched + words_, 0);
    for (std::int32_t v : vertices) add_walks_at(v, touched);
}

int WalkIndex::count(const std::uint64_t* set) const {
    std::uint64_t walks = 0;
    for (std::size_t i = 0; i < words_; ++i) walks += bits_set(set[i]);
    return static_cast<int>(walks);
}
