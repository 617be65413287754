// The walks of full length of a sampling run in a .lwk file: each record after
// its weight line, named wlk1, wlk2, ... in file order, the walks of one tour
// together, and at most a given number of walks of each tour.
#pragma once

#include <cstdint>
#include <cstdio>
#include <limits>
#include <span>
#include <string>
#include <vector>

#include "perm/tour_sampler.h"
#include "walks/sampling_lattice.h"
#include "walks/step_weights.h"

struct WalkRecord;

// The random stream of tour t's choice of walks is random_stream(seed,
// kThinningStreams + t), apart from the sampler's streams 0, 1, ...
constexpr std::uint64_t kThinningStreams = std::uint64_t{1} << 62;

class WeightedWalkFile {
public:
    // Writes to fp, which the caller opens and closes, walks on `lattice`
    // whose parameter lines carry `parameters`; `header`, when not empty,
    // goes in comment lines before the first walk. With per_tour > 0 a tour
    // with more walks writes per_tour of them, walk j with probability p_j in
    // proportion to its weight w_j (capped at 1) and with the weight w_j / p_j.
    WeightedWalkFile(std::FILE* fp, const SamplingLattice& lattice, WalkParameters parameters,
                     int steps, int per_tour, std::uint64_t seed, std::string header);
    ~WeightedWalkFile();
    WeightedWalkFile(const WeightedWalkFile&) = delete;
    WeightedWalkFile& operator=(const WeightedWalkFile&) = delete;

    // Takes the walks in the order the sampler hands them over, tour by tour.
    void take(const FinishedWalk& walk);

    // Writes the walks the last tour left waiting.
    void finish();

    long long written() const { return written_; }

    // (sum w)^2 / sum w^2 over the walks written; 0 without any.
    double effective_walks() const;

private:
    void write(std::span<const std::int32_t> vertices, long long tour, double log_weight);
    void write_held_tour();

    std::FILE* fp_;
    const SamplingLattice& lattice_;
    int per_tour_;
    std::uint64_t seed_;
    std::string header_;
    WalkRecord* record_;
    long long written_ = 0;
    double log_sum_ = -std::numeric_limits<double>::infinity();         // ln sum w
    double log_square_sum_ = -std::numeric_limits<double>::infinity();  // ln sum w^2
    // The walks of the current tour, while they may be more than per_tour.
    long long held_tour_ = -1;
    std::vector<std::int32_t> held_vertices_;  // steps + 1 per walk
    std::vector<double> held_log_weights_;
};
