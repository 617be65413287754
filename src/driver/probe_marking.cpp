// Marking the probe's vertices near the probe or by a full pass.
#include "driver/probe_marking.h"

#include "driver/lattice_run.h"
#include "structure/model.h"

ProbeMarking::ProbeMarking(const LatticeRun& run)
    : run_(run), exclusion_(run.lattice, run.prepared.table, run.prepared.n, run.sphere) {}

ProbeMarking::~ProbeMarking() {
    if (marked_locally_) exclusion_.mark_lattice();
}

bool ProbeMarking::mark(float radius, int verbose) {
    int first_steps = 0;
    return report_exclusion(run_, find(radius, verbose, &marks_), verbose, &first_steps);
}

const OccupancyCounts* ProbeMarking::find(float radius, int verbose, ProbeMarks* marks) {
    marked_locally_ = exclusion_.exclude(radius, verbose != 0, marks);
    if (marked_locally_) return &marks->counts;
    const OccupancyCounts* counts = exclusion_counts(run_, radius, verbose);
    if (!counts) return nullptr;
    marks->counts = *counts;
    marks->marked.clear();
    if (counts->first_steps >= 1) {
        for (int v = 0; v < run_.prepared.n; ++v)
            if (!(run_.prepared.table[v]->occupancy < 1.0f)) marks->marked.push_back(v);
    }
    return &marks->counts;
}
