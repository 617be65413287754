// The vertices the probe sphere marks where it stands: worked out near the
// probe when the local exclusion takes the position, else by a full pass of
// the sphere exclusion, with the exclusion's reports either way. These are
// the vertices that make a walk through them touched.
#pragma once

#include <cstdint>
#include <vector>

#include "sweep/grid_geometry.h"
#include "walks/probe_exclusion.h"

struct PlacedLattice;

class ProbeMarking {
public:
    // Marks for a probe of `radius` with the lattice's sphere; verbose: with
    // the exclusion's progress lines and counts.
    ProbeMarking(PlacedLattice& lattice, float radius, bool verbose);
    // Leaves the lattice marked as a full pass at the last position would.
    ~ProbeMarking();
    ProbeMarking(const ProbeMarking&) = delete;
    ProbeMarking& operator=(const ProbeMarking&) = delete;

    // Puts the probe at `at` and marks for it; false when the run must end
    // (report_exclusion has said why).
    bool mark(const ProbePosition& at);

    // Vertex indices (number - 1) marked occupied or shut in by the last mark.
    const std::vector<std::int32_t>& marked() const { return marks_.marked; }

private:
    PlacedLattice& lattice_;
    float radius_;
    bool verbose_;
    ProbeExclusion exclusion_;
    ProbeMarks marks_;
    // Whether the last position was worked out near the probe: the
    // lattice's own occupancies and charges then lag behind.
    bool marked_locally_ = false;
};
