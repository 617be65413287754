// Allocation of walk records.
#include "walks/walk_record.h"

#include <climits>
#include <cstdint>
#include <new>

#include "base/alloc.h"

namespace {

// Sixteen bytes per position, the fixed part and the padding must stay within
// the 32-bit block size that Balloc sums.
constexpr int kMostPositions = (INT_MAX - 1024) / 16;

}  // namespace

WalkRecord* Xnslwk(int n) {
    if (n < 1 || n > kMostPositions) return nullptr;
    auto* sizes = static_cast<std::int32_t*>(Balloc(-4, "Xnslwk"));
    if (!sizes) return nullptr;
    sizes[0] = static_cast<std::int32_t>(sizeof(WalkRecord));
    sizes[1] = static_cast<std::int32_t>(sizeof(int)) * n;
    sizes[2] = static_cast<std::int32_t>(sizeof(int)) * n;
    sizes[3] = static_cast<std::int32_t>(sizeof(Atom*)) * n;
    auto** pieces = static_cast<void**>(Balloc(4, "Xnslwk"));
    if (!pieces) return nullptr;
    auto* walk = new (pieces[0]) WalkRecord{};
    walk->capacity = n;
    walk->numbers = static_cast<int*>(pieces[1]);
    walk->elements = static_cast<int*>(pieces[2]);
    walk->vertices = static_cast<Atom**>(pieces[3]);
    for (int i = 0; i < n; ++i) {
        walk->numbers[i] = 0;
        walk->elements[i] = 6;
        walk->vertices[i] = nullptr;
    }
    return walk;
}
