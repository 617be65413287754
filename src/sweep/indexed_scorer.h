// Scores probe positions from memory: the walk file read once into an
// ensemble with an inverted index, and the probe's exclusion worked out near
// the probe. Prints exactly what the streaming scorer prints, in the same
// order, at every position.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "sweep/evaluation_sweep.h"
#include "sweep/probe_marking.h"
#include "sweep/walk_ensemble.h"

class EarlyWalkScan;
struct PlacedLattice;

class IndexedScorer : public PositionScorer {
public:
    // walks: the ensemble read from the walk file, or null when there is no
    // walk file (no walk is scored).
    // The lattice is left marked as a full exclusion at the last position
    // would leave it.
    IndexedScorer(PlacedLattice& lattice, std::unique_ptr<WalkEnsemble> walks, float radius,
                  bool verbose);

    // The ensemble in place of the one given at the start.
    void set_walks(std::unique_ptr<WalkEnsemble> walks);

    bool score(const ProbePosition& probe, PositionCounts& counts) override;

private:
    void replay_reports();

    std::unique_ptr<WalkEnsemble> walks_;
    bool verbose_;
    ProbeMarking marking_;
    std::vector<std::uint64_t> touched_;  // one bit per walk
};

// Bytes of memory the walk ensemble may take by default: a quarter of the
// machine's memory.
std::size_t default_walk_budget();

// The scorer for an evaluation: from memory when the walk file can be read
// again (a regular file) and its ensemble fits in `budget` bytes, or when
// there is no walk file; streaming otherwise (always for a budget of 0).
// `early`, when given, may hold the walk file read already.
std::unique_ptr<PositionScorer> choose_scorer(PlacedLattice& lattice, std::FILE* walks, bool mab,
                                              float radius, bool verbose, std::size_t budget,
                                              EarlyWalkScan* early = nullptr);
