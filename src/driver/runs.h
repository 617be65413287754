// The run modes. Each returns true when it completed (the driver then prints
// the time line) and false when it ended early.
#pragma once

#include <cstddef>
#include <memory>

#include "driver/settings.h"

class EarlyWalkScan;
struct PlacedLattice;

// Builds a lattice of settings.lattice_type with settings.shells shells and
// writes it as a .jkl file.
bool run_generate_lattice(const Settings& settings);

// Turns walks stored as .mab structures into a .lwk file.
bool run_convert(const Settings& settings);

// Generates settings.walks walks on the placed lattice around the first sphere.
bool run_generate_walks(const Settings& settings, PlacedLattice& lattice);

// Sweeps the probe sphere over its positions and scores the walk file at each
// (taking what `early` read of it, when that fits): from memory when the
// walks fit in `walk_budget` bytes, else reading the file again at every
// position (always for a budget of 0).
bool run_evaluate(const Settings& settings, PlacedLattice& lattice, std::size_t walk_budget,
                  EarlyWalkScan* early = nullptr);

// For a run that will evaluate a walk file from memory: the walk file's
// reading started now, on a thread of its own, to run while the lattice is
// read. Null for any other run.
std::unique_ptr<EarlyWalkScan> start_early_walk_scan(const Settings& settings,
                                                     std::size_t walk_budget);
