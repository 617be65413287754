// Scores a probe position the plain way: a full sphere exclusion over the
// lattice, then the walk file read again from its start, one walk at a time,
// so memory stays flat whatever the size of the ensemble.
#pragma once

#include <cstdio>

#include "driver/evaluation_sweep.h"

struct LatticeRun;

class StreamingScorer : public PositionScorer {
public:
    // walks: the walk file open for reading, or null (no walk is scored).
    StreamingScorer(const LatticeRun& run, std::FILE* walks, bool mab, float radius, int verbose)
        : run_(run), walks_(walks), mab_(mab), radius_(radius), verbose_(verbose) {}

    bool score(const ProbePosition& probe, PositionCounts& counts) override;

private:
    void read_records(PositionCounts& counts);
    void read_entries(PositionCounts& counts);
    void count_walk(const char* name, int missing, bool hit_free, int amp, int dist,
                    PositionCounts& counts);

    const LatticeRun& run_;
    std::FILE* walks_;
    bool mab_;
    float radius_;
    int verbose_;
};
