// Jackknife replicates of ln Z and of the ratio of two partition sums.
#include "perm/sweep_estimates.h"

#include <cmath>

Replicates log_z_replicates(const SweepPieces& pieces, int target) {
    const int batches = pieces.batches();
    std::vector<double> logs;
    for (int b = 0; b < batches; ++b) logs.push_back(pieces.at(target, b).log_z);
    Replicates result(static_cast<std::size_t>(batches) + 1);
    // Batches have equal numbers of tours, so Z is the plain mean of theirs.
    for (int r = 0; r <= batches; ++r)
        result[r] = log_sum_exp(logs, r - 1) - std::log(r == 0 ? batches : batches - 1);
    return result;
}

FractionReplicates ratio_fractions(const Replicates& probe, const Replicates& first) {
    FractionReplicates f{Replicates(probe.size()), Replicates(probe.size()),
                         Replicates(probe.size())};
    for (std::size_t r = 0; r < probe.size(); ++r) {
        const double log_x = probe[r] - first[r];
        f.free[r] = std::exp(log_x);
        // -expm1 keeps the digits of a touched fraction near 0.
        f.touched[r] = -std::expm1(log_x);
        f.free_energy[r] = -log_x;
    }
    return f;
}
