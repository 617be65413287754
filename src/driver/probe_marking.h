// The vertices the probe sphere marks where it stands: worked out near the
// probe when the local exclusion takes the position, else by a full pass of
// the sphere exclusion, with the reports of exclude_sphere either way.
#pragma once

#include <cstdint>
#include <vector>

#include "walks/probe_exclusion.h"

struct LatticeRun;

class ProbeMarking {
public:
    explicit ProbeMarking(const LatticeRun& run);
    // Leaves the lattice marked as a full pass at the last position would.
    ~ProbeMarking();
    ProbeMarking(const ProbeMarking&) = delete;
    ProbeMarking& operator=(const ProbeMarking&) = delete;

    // Marks for the probe where its atom stands now; false when the run must
    // end (exclude_sphere has said why).
    bool mark(float radius, int verbose);

    // Vertex indices (number - 1) marked occupied or shut in by the last mark.
    const std::vector<std::int32_t>& marked() const { return marks_.marked; }

private:
    const LatticeRun& run_;
    ProbeExclusion exclusion_;
    ProbeMarks marks_;
    // Whether the last position was worked out near the probe: the
    // lattice's own occupancies and charges then lag behind.
    bool marked_locally_ = false;
};
