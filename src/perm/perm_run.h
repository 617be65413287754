// A sampling run: independent batches of tours, each with its own random
// stream and its own running estimates, and the estimates combined from them.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "perm/batch_estimates.h"
#include "perm/tour_sampler.h"

struct PermSettings {
    int steps = 0;                    // N, the length of the walks
    int batches = 20;                 // independent batches, for the errors
    long long tours_per_batch = 1000;
    std::uint64_t seed = 1;           // batch b uses random_stream(seed, b)
    PopulationControl control;
};

struct PermResult {
    std::vector<LengthEstimate> z;  // ln Z_n with its error for n = 0 ... N
    long long tours = 0;
    long long walks = 0;            // walks of full length
    double effective_walks = 0.0;   // (sum w)^2 / sum w^2 of those walks
    long long outer_shell_walks = 0;
    long long steps = 0;            // vertices placed over all tours
};

// Runs the batches one after the other on this thread, handing every walk of
// full length to `deliver` (when set) in tour order. The result depends on
// the settings, lattice, weights and obstacles alone.
PermResult run_perm(const SamplingLattice& lattice, const StepWeights& weights,
                    const PermSettings& settings, std::span<const std::int32_t> obstacles = {},
                    const WalkCallback& deliver = {});
