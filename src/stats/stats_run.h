// The run of korvi-stats: lattice and walks, Rosenbluth weights, the sweep
// with jackknife errors, the table and the picture.
#pragma once

#include <cstdio>

#include "stats/stats_options.h"

// Runs the statistics of a sweep. The table goes to `table` (the program's
// standard output) or, with an output prefix, to PREFIX.tsv beside
// PREFIX.svg. False when the run ended early after a message.
bool run_stats(const StatsSettings& settings, std::FILE* table);
