// Marking the probe's vertices near the probe or by a full pass.
#include "sweep/probe_marking.h"

#include "structure/model.h"
#include "sweep/placed_lattice.h"

ProbeMarking::ProbeMarking(PlacedLattice& lattice, float radius, bool verbose)
    : lattice_(lattice), radius_(radius), verbose_(verbose),
      exclusion_(lattice.lattice, lattice.prepared.table, lattice.prepared.n, lattice.sphere) {}

ProbeMarking::~ProbeMarking() {
    if (marked_locally_) exclusion_.mark_lattice();
}

// The marked vertices of a full pass are not gathered when there is no free
// first step: that ends the run.
bool ProbeMarking::mark(const ProbePosition& at) {
    lattice_.put_sphere(at.x, at.y, at.z);
    marked_locally_ = exclusion_.exclude(radius_, verbose_, &marks_);
    if (marked_locally_) return report_exclusion(lattice_, &marks_.counts, verbose_);
    const OccupancyCounts* counts = exclusion_counts(lattice_, radius_, verbose_);
    marks_.marked.clear();
    if (counts && counts->first_steps >= 1) {
        for (int v = 0; v < lattice_.prepared.n; ++v)
            if (!(lattice_.prepared.table[v]->occupancy < 1.0f)) marks_.marked.push_back(v);
    }
    return report_exclusion(lattice_, counts, verbose_);
}
