// Scores a probe position the plain way: a full sphere exclusion over the
// lattice, then the walk file read again from its start, one walk at a time,
// so memory stays flat whatever the size of the ensemble.
#pragma once

#include <cstdio>

#include "sweep/evaluation_sweep.h"

struct PlacedLattice;

class StreamingScorer : public PositionScorer {
public:
    // walks: the walk file open for reading, or null (no walk is scored).
    StreamingScorer(PlacedLattice& lattice, std::FILE* walks, bool mab, float radius, bool verbose)
        : lattice_(lattice), walks_(walks), mab_(mab), radius_(radius), verbose_(verbose) {}

    bool score(const ProbePosition& probe, PositionCounts& counts) override;

private:
    PlacedLattice& lattice_;
    std::FILE* walks_;
    bool mab_;
    float radius_;
    bool verbose_;
};
