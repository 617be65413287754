// The sweep of korvi-stats: the probe visits korvi's grid, the touched walks
// are found at every position, and the block sums become the rows of the
// table, every sum over directions and distances recomputed for each
// left-out block.
#pragma once

#include <vector>

#include "driver/evaluation_sweep.h"
#include "stats/stats_rows.h"
#include "stats/touch_finder.h"
#include "stats/walk_blocks.h"

struct SweepSummary {
    int distances = 0;
    int positions = 0;
    int blocked = 0;  // positions where every walk touches the probe
};

// Appends the rows in korvi's order: the positions of a polar angle, then its
// row; the polar angles of a distance, then its row; the total last. False
// when the sweep ended early (the reason has been printed).
bool sweep_statistics(const SweepSettings& settings, TouchFinder& finder, const WalkBlocks& blocks,
                      std::vector<StatsRow>& rows, SweepSummary& summary);
