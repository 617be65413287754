// Breadth-first searches from the origin over the vertices walks may enter.
#include "perm/walk_reach.h"

WalkReach::WalkReach(const SamplingLattice& lattice)
    : lattice_(lattice), hops_(static_cast<std::size_t>(lattice.size()), -1),
      seen_(static_cast<std::size_t>(lattice.size()), 0) {
    const int origin = lattice.origin();
    if (origin < 0) return;
    queue_.assign(1, origin);
    hops_[origin] = 0;
    for (std::size_t next = 0; next < queue_.size(); ++next) {
        const std::int32_t v = queue_[next];
        for (std::int32_t u : lattice.neighbours(v)) {
            if (hops_[u] >= 0 || !lattice.enterable(u)) continue;
            hops_[u] = hops_[v] + 1;
            queue_.push_back(u);
        }
    }
}

bool WalkReach::reaches(std::span<const std::int32_t> vertices, int steps) const {
    for (std::int32_t v : vertices)
        if (v != lattice_.origin() && hops_[v] >= 0 && hops_[v] <= steps) return true;
    return false;
}

bool WalkReach::closes_off(std::span<const std::int32_t> obstacles, int steps) {
    const int origin = lattice_.origin();
    if (origin < 0) return true;
    for (std::int32_t v : obstacles) seen_[v] = 1;
    seen_[origin] = 1;
    queue_.assign(1, origin);
    // The search stops as soon as it has found enough room.
    for (std::size_t next = 0; next < queue_.size() && queue_.size() <= std::size_t(steps);
         ++next) {
        for (std::int32_t u : lattice_.neighbours(queue_[next])) {
            if (seen_[u] || !lattice_.enterable(u)) continue;
            seen_[u] = 1;
            queue_.push_back(u);
        }
    }
    const bool closed = queue_.size() <= static_cast<std::size_t>(steps);
    for (std::int32_t v : obstacles) seen_[v] = 0;
    for (std::int32_t v : queue_) seen_[v] = 0;
    return closed;
}
