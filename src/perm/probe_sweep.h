// A probe sweep by the sampler up to its pieces: the lattice placed as the
// walks grow around the first sphere, the vertices the probe marks at every
// position of the grid (placed as the probe sweeps), the positions no walk
// reaches, and the tours of the pieces a share holds.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "perm/sweep_pieces.h"
#include "sweep/sweep_grid.h"
#include "walks/sampling_lattice.h"

struct PlacedLattice;

// The obstacles of every target, in the grid's order: none for target 0,
// the vertex indices the probe marks at position q for target q. False when
// a position leaves the origin no free first step (the reason has been
// printed): as in korvi, the sweep then ends.
bool probe_obstacles(const SweepGrid& grid, PlacedLattice& lattice, float radius, bool verbose,
                     std::vector<std::vector<std::int32_t>>& obstacles);

// Settles the positions whose x is known without tours: every piece of a
// position is beyond reach when no walk of `steps` steps reaches a vertex its
// probe marks, closed off when the probe leaves no room for such a walk.
void settle_exact_positions(const SamplingLattice& lattice,
                            const std::vector<std::vector<std::int32_t>>& obstacles, int steps,
                            SweepPieces& pieces);

// Reads the lattice file, sets the sweep up and samples the pieces `share`
// holds on `threads` threads (the others stay missing); progress(done,
// total) counts the pieces. Nothing after a message when the sweep cannot run.
std::optional<SweepPieces>
sample_sweep(const ProbeSweepSettings& settings, const Share& share, int threads, bool verbose,
             const std::function<void(long done, long total)>& progress = {});
