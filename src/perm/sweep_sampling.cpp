// One batch of tours per piece, the pieces shared out over threads.
#include "perm/sweep_sampling.h"

#include <algorithm>
#include <memory>

#include "base/work_sharing.h"
#include "perm/tour_sampler.h"

void sample_pieces(const SamplingLattice& lattice, const StepWeights& weights,
                   const ProbeSweepSettings& settings,
                   const std::vector<std::vector<std::int32_t>>& obstacles, const Share& share,
                   int threads, SweepPieces& pieces,
                   const std::function<void(long done, long total)>& progress) {
    std::vector<long> todo;
    for (long i = 0; i < pieces.count(); ++i)
        if (share.holds(i) && pieces[i].state == PieceState::kMissing) todo.push_back(i);
    const int positions = pieces.targets() - 1;
    const long total = static_cast<long>(todo.size());
    threads = static_cast<int>(std::clamp<long>(total, 1, std::max(threads, 1)));
    std::vector<std::unique_ptr<TourSampler>> samplers;
    for (int t = 0; t < threads; ++t)
        samplers.push_back(std::make_unique<TourSampler>(lattice, weights, settings.steps));
    share_work(
        threads, total,
        [&](int thread, long item) {
            const long i = todo[static_cast<std::size_t>(item)];
            const int target = pieces.target_of(i), batch = pieces.batch_of(i);
            TourSampler& sampler = *samplers[static_cast<std::size_t>(thread)];
            sampler.set_obstacles(obstacles[static_cast<std::size_t>(target)]);
            Xoshiro256 random = piece_stream(settings.seed, target, batch);
            const long long tours = target_tours(settings, positions, target);
            const BatchSums sums = sampler.run_batch(tours, batch * tours, random, {});
            pieces[i] = {PieceState::kSampled, sums.log_z(settings.steps), sums.walks.back(),
                         sums.steps, sums.outer_shell_walks};
        },
        progress ? [&](long done) { progress(done, total); } : std::function<void(long)>{});
}
