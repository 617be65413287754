// Vertex indices from record addresses, by runs of equal stride.
#include "lattice/vertex_index.h"

#include <algorithm>

#include "structure/model.h"

namespace {

std::uintptr_t address(const Atom* a) {
    return reinterpret_cast<std::uintptr_t>(a);
}

}  // namespace

VertexIndex::VertexIndex(Atom* const* table, int n) : table_(table), n_(n) {
    for (int v = 0; v < n;) {
        Run run{address(table[v]), address(table[v]), v, 0.0};
        int end = v + 1;
        if (end < n && address(table[end]) > run.first) {
            const std::uintptr_t stride = address(table[end]) - run.first;
            for (; end < n && address(table[end]) == run.last + stride; ++end) run.last += stride;
            run.per_byte = 1.0 / static_cast<double>(stride);
        }
        runs_.push_back(run);
        v = end;
    }
    // Among many short runs the search gains little over reading the record.
    if (runs_.size() > static_cast<std::size_t>(n) / 16) runs_.clear();
    std::sort(runs_.begin(), runs_.end(),
              [](const Run& a, const Run& b) { return a.first < b.first; });
}

std::int32_t VertexIndex::operator()(const Atom* u) const {
    const std::uintptr_t at = address(u);
    auto run = std::upper_bound(runs_.begin(), runs_.end(), at,
                                [](std::uintptr_t a, const Run& r) { return a < r.first; });
    if (run != runs_.begin() && at <= (--run)->last) {
        const std::int32_t k =
            run->index +
            static_cast<std::int32_t>(static_cast<double>(at - run->first) * run->per_byte + 0.5);
        if (table_[k] == u) return k;
    }
    if (u->serial < 1 || u->serial > n_ || table_[u->serial - 1] != u) return -1;
    return static_cast<std::int32_t>(u->serial - 1);
}
