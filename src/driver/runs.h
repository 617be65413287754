// The run modes. Each returns true when it completed (the driver then prints
// the time line) and false when it ended early.
#pragma once

#include <cstddef>
#include <memory>

#include "driver/settings.h"

class EarlyWalkScan;
struct LatticeRun;

// Builds a lattice of settings.lattice_type with settings.shells shells and
// writes it as a .jkl file.
bool run_generate_lattice(const Settings& settings);

// Turns walks stored as .mab structures into a .lwk file.
bool run_convert(const Settings& settings);

// Reads and places the lattice, then generates walks (extension > 0) or
// evaluates a walk file against the probe sphere.
bool run_lattice_modes(const Settings& settings);

// Generates settings.walks walks on the placed lattice around the first sphere.
bool run_generate_walks(const Settings& settings, const LatticeRun& run);

// Sweeps the probe sphere over its positions and scores the walk file at each
// (taking what `early` read of it, when that fits).
bool run_evaluate(const Settings& settings, const LatticeRun& run, EarlyWalkScan* early = nullptr);

// For a run that will evaluate a walk file from memory: the walk file's
// reading started now, on a thread of its own, to run while the lattice is
// read. Null for any other run.
std::unique_ptr<EarlyWalkScan> start_early_walk_scan(const Settings& settings);

// Bytes of memory the evaluate run lets the walk ensemble take to score from
// memory (default_walk_budget() until set); 0 makes it read the walk file
// again at every position. For tests that run both ways.
void set_walk_budget(std::size_t bytes);
