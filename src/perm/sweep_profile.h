// The profile of a probe sweep by the sampler: korvi-stats' rows with the
// ratio estimates of every position, integrated over directions and
// distances replicate by replicate.
#pragma once

#include <vector>

#include "perm/sweep_pieces.h"
#include "sweep/profile_rows.h"
#include "sweep/sweep_grid.h"

// What the pieces of a sweep add up to, for the table's header.
struct SweepTally {
    int distances = 0;
    int positions = 0;
    int beyond_reach = 0;     // positions no walk of N steps reaches: x = 1
    int closed_off = 0;       // positions that leave no room for a walk of N steps: x = 0
    int blocked = 0;          // sampled positions without a walk of full length
    int outer_positions = 0;  // targets (the first sphere's included) with walks on the outer shell
    long long tours = 0;
    long long walks = 0;
    long long steps = 0;
    Estimate first_log_z{0.0, 0.0};  // ln Z_N(first sphere) and its jackknife error
};

// The rows in korvi's order from complete pieces (none missing). The ratio
// estimates of the model's ensemble go in the columns by weight, as
// korvi-stats' Rosenbluth-weighted values; nothing is counted, so the
// columns by count stay nan. A position's `walks` are the walks of full
// length its batches grew; `free` is not known (nan).
std::vector<ProfileRow> sweep_profile(const SweepGrid& grid, const ProbeSweepSettings& settings,
                                      const SweepPieces& pieces, SweepTally& tally);
