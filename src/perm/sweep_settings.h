// What defines a probe sweep by the sampler, and so every number of its
// table: the lattice, the first sphere, the walk model, the probe's grid,
// the tours and the seed. The threads and the share of a run are not part
// of it: they change how the work is done, never its result.
#pragma once

#include <cstdint>
#include <string>

#include "sweep/sweep_grid.h"
#include "walks/step_weights.h"

// The sphere the chains are grafted on, as a generating korvi run places it.
struct FirstSphere {
    float shift = 0.0f;     // x of the lattice origin while the walks grow
    float radius = 0.0f;    // 0: no first sphere
    float distance = 0.0f;  // x of its centre
};

struct ProbeSweepSettings {
    std::string lattice_file;  // the .jkl file, its name as the run was given it
    GridSettings grid;         // the probe sweep, as korvi's evaluate mode reads it
    FirstSphere first;
    int steps = 0;                    // N, the length of the walks
    WalkParameters parameters;        // A, lambda, E
    long long tours_per_batch = 100;  // tours of each batch of a position
    int batches = 20;                 // independent batches per position, for the errors
    long long seed = 1;               // as given; its bits seed the streams
};
