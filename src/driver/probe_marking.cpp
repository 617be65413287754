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
    if (exclusion_.exclude(radius, verbose != 0, &marks_)) {
        marked_locally_ = true;
        return report_exclusion(run_, &marks_.counts, verbose, &first_steps);
    }
    marked_locally_ = false;
    if (!exclude_sphere(run_, radius, verbose, &first_steps)) return false;
    marks_.marked.clear();
    for (int v = 0; v < run_.prepared.n; ++v)
        if (!(run_.prepared.table[v]->occupancy < 1.0f)) marks_.marked.push_back(v);
    return true;
}
