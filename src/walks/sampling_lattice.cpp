// Copying a lattice entry's vertices, edges and marks into the sampler's arrays.
#include "walks/sampling_lattice.h"

#include <algorithm>
#include <cassert>

#include "lattice/neighbours.h"
#include "structure/model.h"

namespace {

constexpr float kCleanedBelow = 2.0f;  // marks the walk generator's clean-up frees

}  // namespace

SamplingLattice::SamplingLattice(const PreparedLattice& lattice) {
    const auto n = static_cast<std::size_t>(lattice.n);
    first_.reserve(n + 1);
    enterable_.reserve(n);
    charge_.reserve(n);
    position_.reserve(3 * n);
    outer_.reserve(n);
    for (std::size_t v = 0; v < n; ++v) outer_shell_ = std::max(outer_shell_, lattice.table[v]->hcount);
    first_.push_back(0);
    for (std::size_t v = 0; v < n; ++v) {
        const Atom* vertex = lattice.table[v];
        assert(vertex->serial == static_cast<std::int64_t>(v) + 1);
        int degree = 0;
        for_each_neighbour(vertex, [&](const Atom* u) {
            next_.push_back(static_cast<std::int32_t>(u->serial - 1));
            ++degree;
        });
        first_.push_back(static_cast<std::int32_t>(next_.size()));
        max_degree_ = std::max(max_degree_, degree);
        // A NaN mark fails the comparison and blocks the vertex, as in the generator.
        enterable_.push_back(degree >= 2 && vertex->occupancy < kCleanedBelow);
        charge_.push_back(vertex->charge);
        position_.insert(position_.end(), {vertex->x, vertex->y, vertex->z});
        outer_.push_back(vertex->hcount == outer_shell_);
    }
    if (lattice.origin) origin_ = static_cast<int>(lattice.origin->serial - 1);
}
