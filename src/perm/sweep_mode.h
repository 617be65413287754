// The sweep mode of korvi-perm (-x): its options checked and turned into the
// settings of a sweep and the way it is run.
#pragma once

#include <cstdio>

#include "perm/perm_options.h"

// Runs the sweep the options describe, as a whole, as one share (-c k/m) or
// as the merge of shares (-u m). False after a message.
bool run_sweep_mode(const PermOptions& options, std::FILE* table);
