// The sweep over korvi's grid: the walks each position touches, per block.
#include "stats/stats_sweep.h"

#include <cstdint>

#include "sweep/profile_integration.h"

bool sweep_statistics(const SweepGrid& grid, ProbeMarking& marking, const WalkIndex& walks,
                      const WalkBlocks& blocks, std::vector<ProfileRow>& rows,
                      SweepSummary& summary, const SweepProgress& progress) {
    if (!grid.has_distances()) return false;
    summary.distances = grid.distances().count;
    const long positions = progress ? grid.positions() : 0;
    ProfileIntegration integration(blocks.count, blocks.weighted);
    std::vector<std::uint64_t> bits(walks.words());  // one per walk
    std::vector<std::uint8_t> touched(static_cast<std::size_t>(walks.walks()));
    PositionFractions fractions;
    const bool completed = grid.walk([&](const GridPoint& step) {
        if (step.position) {
            if (progress) progress(summary.positions, positions);
            ++summary.positions;
            if (!marking.mark(step.probe)) return false;
            walks.walks_at(marking.marked(), bits.data());
            for (std::size_t i = 0; i < touched.size(); ++i)
                touched[i] = bits[i / 64] >> (i % 64) & 1;
            const FreeSums sums = free_sums(blocks, touched);
            fractions.walks = static_cast<int>(touched.size());
            fractions.free = 0;
            for (int count : sums.counts) fractions.free += count;
            if (fractions.free == 0) ++summary.blocked;
            if (fractions.free == fractions.walks) ++summary.untouched;
            fractions.counted = counted_fractions(blocks, sums);
            if (blocks.weighted) fractions.weighted = weighted_fractions(blocks, sums);
        }
        integration.add(step, fractions, rows);
        return true;
    });
    if (!completed) return false;
    rows.push_back(integration.total());
    return true;
}
