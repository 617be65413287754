// Marking the probe's vertices near the probe or by a full pass.
#include "driver/probe_marking.h"

#include "driver/lattice_run.h"
#include "structure/model.h"

ProbeMarking::ProbeMarking(const LatticeRun& run)
    : run_(run), exclusion_(run.lattice, run.prepared.table, run.prepared.n, run.sphere) {}

ProbeMarking::~ProbeMarking() {
    if (marked_locally_) exclusion_.mark_lattice();
}

// The marked vertices of a full pass are not gathered when there is no free
// first step: that ends the run.
bool ProbeMarking::mark(float radius, int verbose) {
    int first_steps = 0;
    marked_locally_ = exclusion_.exclude(radius, verbose != 0, &marks_);
    if (marked_locally_) return report_exclusion(run_, &marks_.counts, verbose, &first_steps);
    const OccupancyCounts* counts = exclusion_counts(run_, radius, verbose);
    marks_.marked.clear();
    if (counts && counts->first_steps >= 1) {
        for (int v = 0; v < run_.prepared.n; ++v)
            if (!(run_.prepared.table[v]->occupancy < 1.0f)) marks_.marked.push_back(v);
    }
    return report_exclusion(run_, counts, verbose, &first_steps);
}
