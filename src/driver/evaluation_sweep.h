// The evaluation sweep: the probe sphere visits every grid position, the
// walks are scored there, and the rows per position, polar angle and
// distance and the final row are printed on standard output.
#pragma once

#include <string>

#include "driver/sweep_grid.h"

struct SweepSettings {
    float shift = 0.0f;     // s: radius of the first sphere
    float radius = 0.0f;    // r: probe radius, greater than 0
    float distance = 0.0f;  // d: probe distance, or the end of a sweep when negative
    int theta_count = 1;    // t
    int phi_count = 1;      // p
    bool verbose = false;
};

// Walks read and walks free at one probe position.
struct PositionCounts {
    int walks = 0;
    int free = 0;
};

class PositionScorer {
public:
    virtual ~PositionScorer() = default;
    // Scores the walks with the probe centred at `probe`. False when the
    // sweep must end here; the scorer has said why.
    virtual bool score(const ProbePosition& probe, PositionCounts& counts) = 0;
};

// Number of probe positions of the whole sweep.
long count_positions(const SweepSettings& settings, const DistanceGrid& grid);

// True when the grid has a distance; otherwise says why the sweep cannot run.
bool grid_has_distances(const SweepSettings& settings, const DistanceGrid& grid);

// The line that reports a walk's vertex numbers outside the lattice.
std::string unresolved_report(int missing, const char* name);

// The verbose line of a free walk that reports new interaction parameters
// (amp and dist codes of Xlwkhit); `walks` counts the walks read so far.
void print_new_parameters(int walks, int amp, int dist);

// Runs the whole sweep; false when it ended early (no time line then).
bool run_sweep(const SweepSettings& settings, PositionScorer& scorer);
