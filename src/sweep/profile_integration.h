// A sweep's results integrated into the rows of its profile: the positions'
// fractions, taken in the grid's order, become the rows of the positions,
// polar angles and distances and the total, every sum over directions and
// distances kept for each replicate of the jackknife alike, so that each row
// carries its error.
#pragma once

#include <memory>
#include <vector>

#include "sweep/jackknife.h"
#include "sweep/profile_rows.h"
#include "sweep/sweep_grid.h"

// The free fraction x, touched fraction 1 - x and free energy -ln x of a
// position, as replicates: on all walks and with each block left out.
// Without a free walk x is 0 and the free energy inf. A position where x is
// 0 or 1 on all walks is one-sided: every replicate is the same, so its
// errors, and those of the rows made of such positions only, are nan.
struct FractionReplicates {
    Replicates free;
    Replicates touched;
    Replicates free_energy;
};

// What a position yields.
struct PositionFractions {
    int walks = 0;                // W
    int free = 0;                 // F
    FractionReplicates counted;   // by count: x = F / W
    FractionReplicates weighted;  // by weight, when the profile is weighted
};

class ProfileIntegration {
public:
    // Replicates of `blocks` blocks left out one by one; estimates by weight
    // too when `weighted`.
    ProfileIntegration(int blocks, bool weighted);
    ~ProfileIntegration();

    // Appends the rows of the grid's next step: its position's, with
    // `fractions` (not read at a step without a position), then that of its
    // polar angle and of its distance when it is their last step.
    void add(const GridPoint& step, const PositionFractions& fractions,
             std::vector<ProfileRow>& rows);

    // The row of the whole sweep, after its last step.
    ProfileRow total() const;

private:
    class Sums;  // of one kind of estimate

    std::unique_ptr<Sums> counted_;
    std::unique_ptr<Sums> weighted_;  // null without weights
};
