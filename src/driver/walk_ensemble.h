// The walk file read once for the whole evaluation sweep: per walk what the
// contact test and the reports need, the inverted index from lattice vertices
// to walks, and everything printed while reading, to be printed again at
// every probe position in the same place.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdio>
#include <memory>
#include <thread>
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

// Reads the open walk file from its start to its end as every position of the sweep would:
// .lwk records with Xrdlwk (or, when the whole file has the writer's own form,
// found in it at once with the same result), or .mab entries with Igtmab; vertex numbers 1 ...
// n name lattice vertices. Null when the ensemble would take more than
// budget bytes; the file is then still read to its end so that the reader's
// state is as after a full pass, and nothing is printed. `early`, when given,
// is asked first.
std::unique_ptr<WalkEnsemble> read_walk_ensemble(std::FILE* fp, bool mab, int n, std::size_t budget,
                                                 EarlyWalkScan* early = nullptr);

class EnsembleReading;

// The walk file read and indexed on a thread of its own while the lattice is
// read: a .lwk file of the writer's own form needs nothing of the lattice
// but its vertex count, which is checked when the result is taken.
class EarlyWalkScan {
public:
    // Starts reading the file `name` when it is a regular file. Destroyed,
    // it stops the reading where it is and waits for it.
    EarlyWalkScan(const char* name, std::size_t budget);
    ~EarlyWalkScan();
    EarlyWalkScan(const EarlyWalkScan&) = delete;
    EarlyWalkScan& operator=(const EarlyWalkScan&) = delete;

    // Waits for the reading. True when it read the file open as fp, found it
    // of the writer's own form with no vertex number beyond n, and had the
    // same budget: *ensemble is then what read_walk_ensemble returns. Once.
    bool take(std::FILE* fp, int n, std::size_t budget, std::unique_ptr<WalkEnsemble>* ensemble);

private:
    struct Scan;
    std::unique_ptr<Scan> scan_;
    std::atomic<bool> ready_{false};  // the reading's result is in scan_
    std::jthread thread_;             // last: stopped and joined before the rest goes
};
