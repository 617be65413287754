// The weights of the walks for the *_w columns: those the walk file carries
// in weight lines (walks sampled with weights), or else Rosenbluth weights
// from replaying each walk's growth around the generating run's first sphere.
#pragma once

#include <string>
#include <vector>

#include "stats/stats_options.h"
#include "stats/walk_arrays.h"

struct PlacedLattice;

struct WalkWeights {
    std::vector<double> log_weights;  // ln w per walk; empty: no weights
    std::vector<long long> tours;     // per walk, from weight lines; empty: no tours
    double effective = 0.0;           // n_eff of the weights; 0: no weights
    std::string note;                 // where the weights came from, or why there are none
};

// The walks' weights from the file `walk_name` (weight lines are only read
// from .lwk files) or by replay on `lattice`, the sweep's lattice, which
// keeps its marks. Without weights one line on standard error says why.
WalkWeights weigh_walks(const StatsSettings& settings, const char* walk_name,
                        PlacedLattice& lattice, const WalkArrays& walks);
