// The sampling run of korvi-perm: walks of N steps from the lattice origin
// around the first sphere, Z_n with errors, and the walks with their weights.
#pragma once

#include <cstdio>

#include "perm/perm_options.h"

// Runs the sampler as the options say, writes the walks when a walk file is
// named and the table to `table`. False when the run ended early after a
// message.
bool run_sampling(const PermOptions& options, std::FILE* table);
