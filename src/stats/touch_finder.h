// Which walks of an ensemble touch the probe sphere at a position: the one
// question the sweep asks of the lattice, behind a small interface so that
// the way it is answered can change.
#pragma once

#include <cstdint>
#include <vector>

#include "driver/sweep_grid.h"
#include "stats/walk_arrays.h"

struct LatticeRun;

class TouchFinder {
public:
    virtual ~TouchFinder() = default;
    // Sets touched[i] to 1 when walk i touches the probe centred at `probe`
    // (a position after its first lies on a vertex the probe marks), else 0.
    // False when the sweep must end here; the finder has said why.
    virtual bool find(const ProbePosition& probe, std::vector<std::uint8_t>& touched) = 0;
};

// The plain way: a full sphere exclusion of the lattice for the probe, then
// every walk checked against the marks.
class ExclusionTouchFinder final : public TouchFinder {
public:
    ExclusionTouchFinder(const LatticeRun& run, const WalkArrays& walks, float radius,
                         int verbose)
        : run_(run), walks_(walks), radius_(radius), verbose_(verbose) {}

    bool find(const ProbePosition& probe, std::vector<std::uint8_t>& touched) override;

private:
    const LatticeRun& run_;
    const WalkArrays& walks_;
    float radius_;
    int verbose_;
    std::vector<std::uint8_t> marked_;  // per vertex number - 1
};
