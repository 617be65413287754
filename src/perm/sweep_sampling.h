// Running the pieces of a probe sweep on several threads, each thread with a
// sampler of its own on the shared, read-only lattice and weights.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "perm/sweep_pieces.h"
#include "walks/sampling_lattice.h"
#include "walks/step_weights.h"

// Runs, on `threads` threads, every piece that `share` holds and that is
// still missing, with the obstacles of its target (obstacles[q]: the vertex
// indices the probe marks at position q; obstacles[0] empty). Each piece is
// a batch of target_tours tours from its own stream, so the pieces come out
// the same for any number of threads and any share. progress(done, total)
// is called on the calling thread while they run.
void sample_pieces(const SamplingLattice& lattice, const StepWeights& weights,
                   const ProbeSweepSettings& settings,
                   const std::vector<std::vector<std::int32_t>>& obstacles, const Share& share,
                   int threads, SweepPieces& pieces,
                   const std::function<void(long done, long total)>& progress = {});
