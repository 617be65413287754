// Batches run in order and their sums combined.
#include "perm/perm_run.h"

PermResult run_perm(const SamplingLattice& lattice, const StepWeights& weights,
                    const PermSettings& settings, std::span<const std::int32_t> obstacles,
                    const WalkCallback& deliver) {
    TourSampler sampler(lattice, weights, settings.steps, settings.control);
    sampler.set_obstacles(obstacles);
    std::vector<BatchSums> batches;
    PermResult result;
    for (int b = 0; b < settings.batches; ++b) {
        Xoshiro256 random = random_stream(settings.seed, static_cast<std::uint64_t>(b));
        batches.push_back(
            sampler.run_batch(settings.tours_per_batch, result.tours, random, deliver));
        const BatchSums& sums = batches.back();
        result.tours += sums.tours;
        result.walks += sums.walks.back();
        result.outer_shell_walks += sums.outer_shell_walks;
        result.steps += sums.steps;
    }
    result.z = combine_batches(batches);
    result.effective_walks = effective_walks(batches);
    return result;
}
