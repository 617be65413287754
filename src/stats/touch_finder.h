// Which walks of an ensemble touch the probe sphere at a position: the one
// question the sweep asks of the lattice, behind a small interface so that
// the way it is answered can change.
#pragma once

#include <cstdint>
#include <vector>

#include "stats/walk_arrays.h"
#include "sweep/probe_marking.h"
#include "walks/walk_index.h"

struct PlacedLattice;

class TouchFinder {
public:
    virtual ~TouchFinder() = default;
    // Sets touched[i] to 1 when walk i touches the probe centred at `probe`
    // (a position after its first lies on a vertex the probe marks), else 0.
    // False when the sweep must end here; the finder has said why.
    virtual bool find(const ProbePosition& probe, std::vector<std::uint8_t>& touched) = 0;
};

// From the vertices the probe marks, worked out near the probe where it
// can be, to the walks through them by an inverted index of the ensemble.
class IndexedTouchFinder final : public TouchFinder {
public:
    IndexedTouchFinder(PlacedLattice& lattice, const WalkArrays& walks, float radius, bool verbose);

    bool find(const ProbePosition& probe, std::vector<std::uint8_t>& touched) override;

private:
    ProbeMarking marking_;
    WalkIndex index_;
    std::vector<std::uint64_t> bits_;  // one bit per walk
};
