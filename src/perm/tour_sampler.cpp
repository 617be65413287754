// The depth-first growth of a tour, its pruning and enrichment, and the sums per length.
#include "perm/tour_sampler.h"

#include <cmath>
#include <limits>

// The batch's running sums and the scale of each length.
struct TourSampler::Estimates {
    BatchSums sums;
    std::vector<double> step_scale;  // e^(log_scale[n] - log_scale[n - 1]); 0 until fixed

    explicit Estimates(int steps) {
        const auto lengths = static_cast<std::size_t>(steps) + 1;
        sums.log_scale.assign(lengths, std::numeric_limits<double>::quiet_NaN());
        sums.log_scale[0] = 0.0;
        sums.ratio_sum.assign(lengths, 0.0);
        sums.walks.assign(lengths, 0);
        step_scale.assign(lengths, 0.0);
    }
};

double BatchSums::log_z(int n) const {
    if (ratio_sum[n] <= 0.0) return -std::numeric_limits<double>::infinity();
    return log_scale[n] + std::log(ratio_sum[n] / static_cast<double>(tours));
}

TourSampler::TourSampler(const SamplingLattice& lattice, const StepWeights& weights, int steps,
                         PopulationControl control)
    : lattice_(lattice),
      weights_(weights),
      steps_(steps),
      control_(control),
      origin_(lattice.origin()),
      open_(lattice.enterable_flags()),
      walk_(static_cast<std::size_t>(steps) + 1),
      outer_(static_cast<std::size_t>(steps) + 1),
      width_(lattice.max_degree()),
      waiting_(static_cast<std::size_t>(steps + 2) * static_cast<std::size_t>(width_)),
      count_(static_cast<std::size_t>(steps) + 2),
      next_(static_cast<std::size_t>(steps) + 2) {
    candidates_.reserve(static_cast<std::size_t>(width_));
    chosen_.resize(static_cast<std::size_t>(width_));
}

void TourSampler::set_obstacles(std::span<const std::int32_t> obstacles) {
    for (std::int32_t v : obstacles_) open_[v] = lattice_.enterable_flags()[v];
    obstacles_.assign(obstacles.begin(), obstacles.end());
    for (std::int32_t v : obstacles_) open_[v] = 0;
}

BatchSums TourSampler::run_batch(long long tours, long long first_tour, Xoshiro256& random,
                                 const WalkCallback& deliver) {
    Estimates batch(steps_);
    if (origin_ < 0) return std::move(batch.sums);
    for (long long t = 0; t < tours; ++t) {
        ++batch.sums.tours;
        run_tour(first_tour + t, batch, random, deliver);
    }
    return std::move(batch.sums);
}

void TourSampler::run_tour(long long tour, Estimates& batch, Xoshiro256& random,
                           const WalkCallback& deliver) {
    BatchSums& sums = batch.sums;
    const std::uint8_t origin_open = open_[origin_];
    open_[origin_] = 0;
    walk_[0] = origin_;
    outer_[0] = lattice_.on_outer_shell(origin_);
    sums.ratio_sum[0] += 1.0;
    ++sums.walks[0];
    auto finish = [&](int n, double ratio) {
        sums.final_square_sum += ratio * ratio;
        if (outer_[n]) ++sums.outer_shell_walks;
        if (deliver) {
            deliver({tour, sums.log_scale[n] + std::log(ratio),
                     std::span<const std::int32_t>(walk_.data(), walk_.size())});
        }
    };
    if (steps_ == 0) {
        finish(0, 1.0);
        open_[origin_] = origin_open;
        return;
    }
    count_[1] = expand(0, 1.0, batch, random);
    next_[1] = 0;
    int level = 1;  // the deepest length with walks waiting
    int placed = 0;  // the length of the walk that holds its vertices
    for (;;) {
        while (level > 0 && next_[level] == count_[level]) --level;
        if (level == 0) break;
        for (int m = level; m <= placed; ++m) open_[walk_[m]] = 1;
        const Waiting w = waiting_[static_cast<std::size_t>(level * width_ + next_[level]++)];
        walk_[level] = w.vertex;
        open_[w.vertex] = 0;
        placed = level;
        ++sums.steps;
        const bool outer = lattice_.on_outer_shell(w.vertex);
        sums.outer_shell_steps += outer;
        outer_[level] = outer_[level - 1] || outer;
        if (level == steps_) {
            finish(level, w.ratio);
            continue;
        }
        count_[level + 1] = expand(level, w.ratio, batch, random);
        next_[level + 1] = 0;
        ++level;
    }
    for (int m = 1; m <= placed; ++m) open_[walk_[m]] = 1;
    open_[origin_] = origin_open;
}

// Puts the continuations of the walk of length n (ratio `ratio`) in the
// waiting list of length n + 1 and returns how many there are.
int TourSampler::expand(int n, double ratio, Estimates& batch, Xoshiro256& random) {
    const int level = n + 1;
    const int reference = n >= 3 ? walk_[n - 2] : -1;  // the vertex three steps back
    // The last step looks no further: its neighbours no longer matter.
    const bool look_ahead = level < steps_;
    candidates_.clear();
    double total = 0.0;
    for (std::int32_t u : lattice_.neighbours(walk_[n])) {
        if (!open_[u]) continue;
        const double w = weights_.weight(u, reference);
        double importance = w;
        if (look_ahead) {
            int free = 0;
            for (std::int32_t x : lattice_.neighbours(u)) free += open_[x];
            importance *= free + 0.5;
        }
        candidates_.push_back({u, w, importance});
        total += w;
    }
    if (!(total > 0.0)) return 0;
    BatchSums& sums = batch.sums;
    double& scale = batch.step_scale[level];
    if (scale == 0.0) {
        scale = ratio * total;
        sums.log_scale[level] = sums.log_scale[n] + std::log(scale);
    }
    const double scaled = ratio / scale;
    const double expected = expected_children(level, scaled * total, batch);
    const int count = choose_children(candidates_, expected, random.uniform(), chosen_.data());
    Waiting* out = &waiting_[static_cast<std::size_t>(level * width_)];
    for (int i = 0; i < count; ++i) {
        out[i] = {chosen_[i].vertex, scaled * chosen_[i].factor};
        sums.ratio_sum[level] += out[i].ratio;
    }
    sums.walks[level] += count;
    return count;
}

double TourSampler::expected_children(int level, double predicted, const Estimates& batch) const {
    const BatchSums& sums = batch.sums;
    if (sums.walks[level] == 0) return 1.0;
    const double tours = static_cast<double>(sums.tours);
    const double balance = static_cast<double>(sums.walks[level]) / tours;
    const double target = sums.ratio_sum[level] / tours * balance * balance;
    if (predicted > control_.upper * target) return predicted / (control_.upper * target);
    if (predicted < control_.lower * target) return predicted / (control_.lower * target);
    return 1.0;
}
