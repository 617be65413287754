// Finding the touched walks through the inverted index.
#include "stats/touch_finder.h"

#include <algorithm>
#include <utility>

#include "driver/lattice_run.h"
#include "structure/model.h"

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

IndexedTouchFinder::IndexedTouchFinder(const LatticeRun& run, const WalkArrays& walks, float radius,
                                       int verbose)
    : run_(run), radius_(radius), verbose_(verbose), marking_(run),
      index_(index_walks(walks, run.prepared.n)), bits_(index_.words()) {}

bool IndexedTouchFinder::find(const ProbePosition& probe, std::vector<std::uint8_t>& touched) {
    run_.sphere_atom->x = probe.x;
    run_.sphere_atom->y = probe.y;
    run_.sphere_atom->z = probe.z;
    if (!marking_.mark(radius_, verbose_)) return false;
    index_.walks_at(marking_.marked(), bits_.data());
    touched.resize(static_cast<std::size_t>(index_.walks()));
    for (int i = 0; i < index_.walks(); ++i) touched[i] = (bits_[i / 64] >> (i % 64)) & 1;
    return true;
}
