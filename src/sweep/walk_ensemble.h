// The walk file read once for the whole evaluation sweep: per walk what the
// contact test and the reports need, the inverted index from lattice vertices
// to walks, and everything printed while reading, to be printed again at
// every probe position in the same place.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <vector>

#include "base/output_capture.h"
#include "walks/walk_index.h"

// Text printed before walk `walk` is scored (the reader's own messages, then
// the report of vertex numbers outside the lattice); `walk` equal to the
// number of walks: after the last one, when the reader gave up or ended.
struct Passage {
    int walk = 0;
    PrintedText printed;
};

struct WalkEnsemble {
    int count = 0;                // walks the reader returned
    std::vector<float> strength;  // interaction strength of each walk, as Xlwkhit takes it
    std::vector<float> distance;  // interaction distance of each walk
    // Runs of consecutive walks whose parameter pairs compare equal (a pair
    // with a not-a-number value is a run of its own): within a run only the
    // first free walk can report its parameters.
    std::vector<int> run_starts;
    std::vector<Passage> passages;  // in printing order
    WalkIndex index;                // from vertex index (number - 1) to walks
};

// Bytes the ensemble takes per stored walk position while it is built (the
// positions, the index, growth of the arrays) and per walk.
constexpr std::size_t kEnsembleBytesPerStep = 12;
constexpr std::size_t kEnsembleBytesPerWalk = 32;

class EarlyWalkScan;

// Reads the open walk file from its start to its end as every position of
// the sweep would: .lwk records with Xrdlwk (or, when the whole file has the
// writer's own form, found in it at once with the same result), or .mab
// entries with Igtmab; vertex numbers 1 ... n name lattice vertices. Null
// when the ensemble would take more than budget bytes; the file is then
// still read to its end so that the reader's state is as after a full pass,
// and nothing is printed. `early`, when given, is asked first.
std::unique_ptr<WalkEnsemble> read_walk_ensemble(std::FILE* fp, bool mab, int n, std::size_t budget,
                                                 EarlyWalkScan* early = nullptr);
