// The sweep over korvi's grid: the walks each position touches, per block.
#include "stats/stats_sweep.h"

#include <cstdint>

#include "sweep/profile_integration.h"

bool sweep_statistics(const SweepGrid& grid, TouchFinder& finder, const WalkBlocks& blocks,
                      std::vector<ProfileRow>& rows, SweepSummary& summary,
                      const SweepProgress& progress) {
    if (!grid_has_distances(grid)) return false;
    summary.distances = grid.distances().count;
    if (progress.begin) progress.begin(grid.positions());
    ProfileIntegration integration(blocks.count, blocks.weighted);
    std::vector<std::uint8_t> touched;
    PositionFractions fractions;
    for (const GridPoint& step : grid) {
        if (step.position) {
            if (progress.update) progress.update(summary.positions);
            ++summary.positions;
            if (!finder.find(step.probe, touched)) return false;
            const FreeSums sums = free_sums(blocks, touched);
            fractions.walks = static_cast<int>(touched.size());
            fractions.free = 0;
            for (int count : sums.counts) fractions.free += count;
            if (fractions.free == 0) ++summary.blocked;
            fractions.counted = counted_fractions(blocks, sums);
            if (blocks.weighted) fractions.weighted = weighted_fractions(blocks, sums);
        }
        integration.add(step, fractions, rows);
    }
    rows.push_back(integration.total());
    return true;
}
