// Jackknife blocks of walks and the fractions of one probe position.
#include "stats/walk_blocks.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kMinusInfinity = -std::numeric_limits<double>::infinity();

FractionReplicates sized(int blocks) {
    auto size = static_cast<std::size_t>(blocks + 1);
    return {Replicates(size), Replicates(size), Replicates(size)};
}

}  // namespace

WalkBlocks make_walk_blocks(int walks, int blocks, const std::vector<double>& log_weights,
                            const std::vector<long long>& tours) {
    WalkBlocks result;
    const int count = std::min(blocks, walks);
    result.whole_tours = !tours.empty();
    result.block_of.resize(static_cast<std::size_t>(walks));
    int first = 0;  // the first walk of the current tour, or the walk itself
    int last = -1;  // the block before renumbering of the walk before
    for (int i = 0; i < walks; ++i) {
        if (i == 0 || !result.whole_tours || tours[i] != tours[i - 1]) first = i;
        const int b = static_cast<int>(static_cast<std::int64_t>(first) * count / walks);
        if (b != last) result.walks.push_back(0);
        last = b;
        result.block_of[i] = static_cast<int>(result.walks.size()) - 1;
        ++result.walks.back();
    }
    result.count = static_cast<int>(result.walks.size());
    result.weighted = !log_weights.empty();
    if (!result.weighted) return result;
    result.log_scales.assign(static_cast<std::size_t>(result.count), kMinusInfinity);
    for (int i = 0; i < walks; ++i) {
        double& scale = result.log_scales[result.block_of[i]];
        scale = std::max(scale, log_weights[i]);
    }
    result.scaled.resize(static_cast<std::size_t>(walks));
    std::vector<double> sums(static_cast<std::size_t>(result.count), 0.0);
    for (int i = 0; i < walks; ++i) {
        int b = result.block_of[i];
        result.scaled[i] = std::exp(log_weights[i] - result.log_scales[b]);
        sums[b] += result.scaled[i];
    }
    for (int b = 0; b < result.count; ++b)
        result.log_totals.push_back(result.log_scales[b] + std::log(sums[b]));
    return result;
}

double effective_sample_size(const std::vector<double>& log_weights) {
    std::vector<double> doubled;
    for (double w : log_weights) doubled.push_back(2.0 * w);
    return std::exp(2.0 * log_sum_exp(log_weights, -1) - log_sum_exp(doubled, -1));
}

FreeSums free_sums(const WalkBlocks& blocks, const std::vector<std::uint8_t>& touched) {
    FreeSums sums;
    sums.counts.assign(static_cast<std::size_t>(blocks.count), 0);
    if (blocks.weighted) sums.weights.assign(static_cast<std::size_t>(blocks.count), 0.0);
    for (std::size_t i = 0; i < touched.size(); ++i) {
        if (touched[i]) continue;
        int b = blocks.block_of[i];
        ++sums.counts[b];
        if (blocks.weighted) sums.weights[b] += blocks.scaled[i];
    }
    return sums;
}

FractionReplicates counted_fractions(const WalkBlocks& blocks, const FreeSums& sums) {
    FractionReplicates result = sized(blocks.count);
    int walks = 0;
    int free = 0;
    for (int b = 0; b < blocks.count; ++b) {
        walks += blocks.walks[b];
        free += sums.counts[b];
    }
    for (int r = 0; r <= blocks.count; ++r) {
        int w = r == 0 ? walks : walks - blocks.walks[r - 1];
        int f = r == 0 ? free : free - sums.counts[r - 1];
        double x = static_cast<double>(f) / w;
        result.free[r] = x;
        result.touched[r] = 1.0 - x;
        result.free_energy[r] = -std::log(x);
    }
    return result;
}

FractionReplicates weighted_fractions(const WalkBlocks& blocks, const FreeSums& sums) {
    FractionReplicates result = sized(blocks.count);
    std::vector<double> log_free;
    for (int b = 0; b < blocks.count; ++b)
        log_free.push_back(sums.weights[b] > 0.0 ? blocks.log_scales[b] + std::log(sums.weights[b])
                                                 : kMinusInfinity);
    for (int r = 0; r <= blocks.count; ++r) {
        double free = log_sum_exp(log_free, r - 1);
        double total = log_sum_exp(blocks.log_totals, r - 1);
        double x = std::exp(free - total);
        result.free[r] = x;
        result.touched[r] = 1.0 - x;
        result.free_energy[r] = total - free;
    }
    return result;
}
