// The walks split into jackknife blocks in file order, with the sums per
// block from which every quantity of a probe position follows: walks free
// by count and, with Rosenbluth weights, by weight.
#pragma once

#include <cstdint>
#include <vector>

#include "sweep/profile_integration.h"

struct WalkBlocks {
    int count = 0;              // K
    std::vector<int> block_of;  // per walk
    std::vector<int> walks;     // per block
    bool whole_tours = false;   // blocks end where a tour ends
    bool weighted = false;
    // Weights are kept relative to the largest of their block, so that no
    // sum overflows: walk i weighs exp(log_scales[block_of[i]]) · scaled[i].
    std::vector<double> scaled;      // per walk
    std::vector<double> log_scales;  // per block: its largest ln w
    std::vector<double> log_totals;  // per block: ln Σ w
};

// Splits `walks` walks into min(blocks, walks) blocks of nearly equal size in
// file order. log_weights holds ln w per walk, or nothing for counts only.
// With `tours` (the tour of each walk, a tour's walks one after the other)
// no tour is split: each tour goes to the block its first walk falls in, so
// that blocks stay independent; blocks left empty are dropped.
WalkBlocks make_walk_blocks(int walks, int blocks, const std::vector<double>& log_weights,
                            const std::vector<long long>& tours = {});

// (Σ w)² / Σ w², the number of equally weighted walks that would give the same
// statistical precision.
double effective_sample_size(const std::vector<double>& log_weights);

// The walks free at one probe position, per block.
struct FreeSums {
    std::vector<int> counts;      // walks free
    std::vector<double> weights;  // their weights, relative to the block's scale
};

// touched[i] is 1 for each walk that touches the probe.
FreeSums free_sums(const WalkBlocks& blocks, const std::vector<std::uint8_t>& touched);

// The fractions of a position, each on all blocks and with each block left
// out, by count: x = F / W with the walks read W and free F.
FractionReplicates counted_fractions(const WalkBlocks& blocks, const FreeSums& sums);

// By Rosenbluth weight: x = Σ w over free walks / Σ w over all walks.
FractionReplicates weighted_fractions(const WalkBlocks& blocks, const FreeSums& sums);
