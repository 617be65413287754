// The evaluation sweep: the probe sphere visits every grid position, the
// walks are scored there, and the rows per position, polar angle and
// distance and the final row are printed on standard output.
#pragma once

#include "sweep/sweep_grid.h"

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

// The verbose line of a free walk that reports new interaction parameters
// (amp and dist codes of Xlwkhit); `walks` counts the walks read so far.
void print_new_parameters(int walks, int amp, int dist);

// Runs the whole sweep, with a line per position on standard error when
// verbose; false when it ended early (no time line then).
bool run_sweep(const SweepGrid& grid, PositionScorer& scorer, bool verbose,
               const SweepProgress& progress = {});
