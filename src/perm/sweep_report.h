// The words around a sweep's numbers: the header lines of its table, the
// legend of its columns and the title of its picture.
#pragma once

#include <string>
#include <vector>

#include "perm/sweep_profile.h"
#include "perm/sweep_settings.h"

// How the numbers were made: the set-up, the tours, batches and seed, the
// shared Z_N(first sphere), and notes on positions beyond reach, without a
// walk, or with walks on the lattice's outer shell.
std::vector<std::string> sweep_notes(const ProbeSweepSettings& settings, const SweepTally& tally);

// The meaning of the columns as this table fills them.
const std::vector<std::string>& sweep_legend();

std::string sweep_title(const ProbeSweepSettings& settings);
