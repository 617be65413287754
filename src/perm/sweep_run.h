// The sweep mode of korvi-perm: a whole sweep, one share of it, or the
// shares joined, from the settings to the files written.
#pragma once

#include <cstdio>

#include "perm/sweep_pieces.h"

// How a run of the sweep mode is carried out, besides what defines the sweep.
struct SweepRunOptions {
    int threads = 0;                      // 0: every processor the process may use
    Share share;                          // count > 1: this run is share `index` of `count`
    int merge = 0;                        // m > 0: join PREFIX's m shares instead of sampling
    const char* output_prefix = nullptr;  // PREFIX; nullptr: the table goes to `table`
    bool verbose = false;
};

// A whole sweep writes its table to `table` or, with a prefix, to
// PREFIX.tsv, and draws PREFIX.svg; a share writes PREFIX.k-of-m.share; a
// merge reads the m shares and writes the table and picture the whole
// sweep would have written. False after a message.
bool run_probe_sweep(ProbeSweepSettings settings, const SweepRunOptions& options, std::FILE* table);
