// The pieces of a sweep, their tours and their random streams.
#include "perm/sweep_pieces.h"

#include <algorithm>
#include <cmath>

SweepPieces::SweepPieces(int positions, int batches)
    : targets_(positions + 1), batches_(batches),
      pieces_(static_cast<std::size_t>(targets_) * static_cast<std::size_t>(batches)) {}

long long target_tours(const ProbeSweepSettings& settings, int positions, int target) {
    if (target > 0) return settings.tours_per_batch;
    const auto factor =
        static_cast<long long>(std::ceil(std::sqrt(static_cast<double>(positions))));
    return std::max(1LL, factor) * settings.tours_per_batch;
}

Xoshiro256 piece_stream(long long seed, int target, int batch) {
    const std::uint64_t target_seed =
        random_stream(static_cast<std::uint64_t>(seed), static_cast<std::uint64_t>(target)).next();
    return random_stream(target_seed, static_cast<std::uint64_t>(batch));
}
