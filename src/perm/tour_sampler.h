// Tours of the pruned-enriched Rosenbluth method: each tour grows a tree of
// walks from the origin depth first, continuing a walk with several distinct
// steps where its weight runs high and ending it at random where it runs low,
// against the running estimate of the partition sum at each length.
//
// The variant is enrichment without replacement with importance sampling
// (nPERMis): a step is chosen by Boltzmann factor times (free neighbours of
// the new vertex + 1/2), the last step by Boltzmann factor alone. Measured
// without a sphere (100 batches, 3 seeds, bounds 3 and 1/3): the variance of
// ln Z_N times the steps spent, relative to copies chosen with replacement by
// Boltzmann factor alone (PERM; 0.48, 0.60, 5.6 and 7.5 x 1e-3 per million
// steps in the four rows):
//
//   lattice, N             | PERM | distinct steps | look-ahead | both
//   diamond 60 shells, 100 | 1    | 0.70           | 0.50       | 0.48
//   sc 45 shells, 100      | 1    | 0.74           | 0.28       | 0.37
//   diamond 90 shells, 300 | 1    | 1.01           | 0.57       | 0.56
//   sc 70 shells, 300      | 1    | 0.99           | 0.43       | 0.42
//
// The look-ahead costs 20-30% more time per step, so it pays 1.4 to 2.8
// times in variance per CPU second; distinct steps gain little over copies
// (the variances carry +-10%) but never make the same walk twice. Of the bounds
// (upper, lower) = (1.5, 2/3), (2, 1/2), (3, 1/3), (5, 1/5), (10, 1/10) the
// first three did equally well, the wider ones 1.2 to 1.8 times worse.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "perm/children.h"
#include "perm/random_stream.h"
#include "walks/sampling_lattice.h"
#include "walks/step_weights.h"

// A walk that reached the full length.
struct FinishedWalk {
    long long tour = 0;                      // 0, 1, ... over the whole run
    double log_weight = 0.0;                 // ln of its weight
    std::span<const std::int32_t> vertices;  // vertex indices, the origin first
};
using WalkCallback = std::function<void(const FinishedWalk&)>;

// Where a walk's predicted weight W (its weight times the sum of the
// Boltzmann factors of its next steps) counts as high or low, against
// T = Z_n (c_n / c_0)^2 with Z_n the batch's running estimate at the next
// length, c_n the walks of that length so far and c_0 the tours: above
// `upper` T it goes on with W / (upper T) distinct steps on average, below
// `lower` T it survives with probability W / (lower T). The factor
// (c_n / c_0)^2 raises the bounds of a length that has seen more walks than
// tours, which keeps early tours from exploding.
struct PopulationControl {
    double upper = 2.0;
    double lower = 0.5;
};

// What one batch of tours found. A walk's weight is held as a ratio r to a
// scale fixed per length, the weight of the first walk to reach it, so that
// weights of thousands of steps stay within range: W = r e^(log_scale[n]).
struct BatchSums {
    long long tours = 0;
    std::vector<double> log_scale;     // by length; NaN until a walk reached it
    std::vector<double> ratio_sum;     // sum of r over the walks of each length
    std::vector<long long> walks;      // walks of each length
    double final_square_sum = 0.0;     // sum of r^2 over the walks of full length
    long long outer_shell_walks = 0;   // walks of full length with a vertex on the outer shell
    long long outer_shell_steps = 0;   // steps at any length onto the outer shell
    long long steps = 0;               // vertices placed

    // ln of the batch's estimate of Z_n: the mean weight per tour; -inf when
    // no walk reached n.
    double log_z(int n) const;
};

// One thread's sampler: its own marks of the vertices the walk holds, shared
// read-only lattice and weights.
class TourSampler {
public:
    TourSampler(const SamplingLattice& lattice, const StepWeights& weights, int steps,
                PopulationControl control = {});

    // Vertices no walk may enter besides those the lattice blocks, replacing
    // the previous ones. An obstacle on the origin is ignored: walks start there.
    void set_obstacles(std::span<const std::int32_t> obstacles);

    // Runs `tours` tours (numbered from first_tour) with fresh estimates,
    // handing every walk of full length to `deliver` (when set) as it is made.
    BatchSums run_batch(long long tours, long long first_tour, Xoshiro256& random,
                        const WalkCallback& deliver);

private:
    struct Estimates;
    void run_tour(long long tour, Estimates& batch, Xoshiro256& random,
                  const WalkCallback& deliver);
    int expand(int n, double ratio, Estimates& batch, Xoshiro256& random);
    double expected_children(int level, double predicted, const Estimates& batch) const;

    const SamplingLattice& lattice_;
    const StepWeights& weights_;
    int steps_;
    PopulationControl control_;
    int origin_;
    std::vector<std::uint8_t> open_;  // 1: enterable, no obstacle and not on the walk
    std::vector<std::int32_t> obstacles_;
    std::vector<std::int32_t> walk_;  // the vertex at each length
    std::vector<std::uint8_t> outer_;  // whether the walk up to each length touched the outer shell
    std::vector<Candidate> candidates_;
    std::vector<Child> chosen_;
    // The walks waiting at each length: waiting_[level * width_ + i] for i
    // from next_[level] up to count_[level].
    struct Waiting {
        std::int32_t vertex;
        double ratio;
    };
    int width_;
    std::vector<Waiting> waiting_;
    std::vector<int> count_, next_;
};
