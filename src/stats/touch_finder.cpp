// Finding the touched walks through the inverted index.
#include "stats/touch_finder.h"

#include <algorithm>
#include <utility>

#include "sweep/placed_lattice.h"

namespace {

// The positions after the first of every walk that lie on a lattice vertex.
WalkIndex index_walks(const WalkArrays& walks, int vertices) {
    WalkSteps steps;
    for (int i = 0; i < walks.size(); ++i) {
        const std::int32_t* walk = walks.walk(i);
        for (int k = 1; k < walks.positions(i); ++k)
            if (walk[k] >= 0) steps.steps.push_back(walk[k]);
        steps.ends.push_back(steps.steps.size());
    }
    return WalkIndex(vertices, std::move(steps));
}

}  // namespace

IndexedTouchFinder::IndexedTouchFinder(PlacedLattice& lattice, const WalkArrays& walks,
                                       float radius, bool verbose)
    : marking_(lattice, radius, verbose), index_(index_walks(walks, lattice.prepared.n)),
      bits_(index_.words()) {}

bool IndexedTouchFinder::find(const ProbePosition& probe, std::vector<std::uint8_t>& touched) {
    if (!marking_.mark(probe)) return false;
    index_.walks_at(marking_.marked(), bits_.data());
    touched.resize(static_cast<std::size_t>(index_.walks()));
    for (int i = 0; i < index_.walks(); ++i) touched[i] = (bits_[i / 64] >> (i % 64)) & 1;
    return true;
}
