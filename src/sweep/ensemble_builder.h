// The walk ensemble built walk by walk within a budget of memory. The
// lattice's vertex count may come later: built with a larger limit, the
// ensemble is the same for any count from the largest vertex number read on.
// Memory the system refuses counts as over the budget: the building goes on
// to the end without keeping anything, and the sweep streams.
#pragma once

#include <cstddef>
#include <memory>

#include "sweep/walk_ensemble.h"

class OutputCapture;
struct ScannedWalk;

class EnsembleBuilder {
public:
    // Vertex numbers 1 ... limit name vertices; `file_steps` bounds the
    // steps the file can hold.
    EnsembleBuilder(int limit, std::size_t budget, std::size_t file_steps);

    // True when the ensemble is that of a lattice of n vertices.
    bool fits(int n) const { return largest_ <= n && n <= limit_; }

    // Adds the next walk; what the reader printed for it is in `capture`
    // (none: nothing).
    void add(const ScannedWalk& walk, OutputCapture* capture);

    // The ensemble for a lattice of n vertices, which the walks fit; null
    // over the budget.
    std::unique_ptr<WalkEnsemble> finish(OutputCapture* capture, int n);

    // Builds the index over the vertices the walks name (up to the largest
    // number read) before the lattice's vertex count is known, after the
    // last walk; finish() then only widens it. Left to finish() when the
    // largest number is out of all proportion to the walks (more vertices
    // than steps): the file then likelier belongs to another lattice, and
    // the index's arrays per vertex would outweigh those per step.
    void index_ahead();

private:
    void add_positions(const int* numbers, int count);
    template <typename Store>
    bool stored(Store store);
    void keep_printed(OutputCapture* capture, int walk);
    void keep(Passage passage);
    void find_runs();

    int limit_;
    int largest_ = 0;  // the largest vertex number read
    std::size_t budget_;
    std::size_t most_steps_;  // steps that fit in the budget
    bool over_budget_ = false;
    bool indexed_ = false;  // by index_ahead
    int missing_ = 0;
    std::size_t printed_bytes_ = 0;  // text kept to be printed again
    WalkSteps walks_;
    std::unique_ptr<WalkEnsemble> ensemble_ = std::make_unique<WalkEnsemble>();
};
