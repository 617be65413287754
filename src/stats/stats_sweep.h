// The sweep of korvi-stats: the probe visits korvi's grid, the touched walks
// are found at every position, and the block sums become the rows of the
// profile with their jackknife errors.
#pragma once

#include <vector>

#include "stats/walk_blocks.h"
#include "sweep/probe_marking.h"
#include "sweep/profile_rows.h"
#include "sweep/sweep_grid.h"
#include "walks/walk_index.h"

struct SweepSummary {
    int distances = 0;
    int positions = 0;
    int blocked = 0;    // positions where every walk touches the probe
    int untouched = 0;  // positions where no walk touches it
};

// Appends the rows in korvi's order: the positions of a polar angle, then its
// row; the polar angles of a distance, then its row; the total last. A walk
// of `walks` is touched where it visits a vertex `marking` marks. False when
// the sweep ended early (the reason has been printed).
bool sweep_statistics(const SweepGrid& grid, ProbeMarking& marking, const WalkIndex& walks,
                      const WalkBlocks& blocks, std::vector<ProfileRow>& rows,
                      SweepSummary& summary, const SweepProgress& progress = {});
