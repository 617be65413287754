// Combining batch sums held in per-batch scales.
#include "perm/batch_estimates.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kMinusInfinity = -std::numeric_limits<double>::infinity();

}  // namespace

std::vector<LengthEstimate> combine_batches(std::span<const BatchSums> batches) {
    std::vector<LengthEstimate> estimates;
    if (batches.empty()) return estimates;
    const std::size_t lengths = batches[0].ratio_sum.size();
    const double count = static_cast<double>(batches.size());
    std::vector<double> logs(batches.size());
    std::vector<double> relative(batches.size());  // each batch's Z_n over the largest
    for (std::size_t n = 0; n < lengths; ++n) {
        for (std::size_t b = 0; b < batches.size(); ++b) logs[b] = batches[b].log_z(static_cast<int>(n));
        const double reference = *std::max_element(logs.begin(), logs.end());
        if (reference == kMinusInfinity) {
            estimates.push_back({kMinusInfinity, kNan});
            continue;
        }
        double mean = 0.0;
        for (std::size_t b = 0; b < batches.size(); ++b) {
            relative[b] = std::exp(logs[b] - reference);
            mean += relative[b];
        }
        mean /= count;
        double square = 0.0;
        for (double z : relative) square += (z - mean) * (z - mean);
        const double error = batches.size() > 1 ? std::sqrt(square / (count - 1.0) / count) / mean : kNan;
        estimates.push_back({reference + std::log(mean), error});
    }
    return estimates;
}

double effective_walks(std::span<const BatchSums> batches) {
    double reference = kMinusInfinity;
    for (const BatchSums& b : batches) {
        if (b.final_square_sum > 0.0) reference = std::max(reference, b.log_scale.back());
    }
    if (reference == kMinusInfinity) return 0.0;
    double sum = 0.0, square = 0.0;
    for (const BatchSums& b : batches) {
        if (!(b.final_square_sum > 0.0)) continue;
        const double scale = std::exp(b.log_scale.back() - reference);
        sum += scale * b.ratio_sum.back();
        square += scale * scale * b.final_square_sum;
    }
    return sum * sum / square;
}
