// Where walks can go: the fewest steps from the origin to each vertex through
// vertices a walk may enter, and whether obstacles leave room for a walk at
// all. Both settle a probe position exactly, without tours: a probe whose
// marked vertices all lie farther than N steps is never touched by a walk of
// N steps (x = 1), and one that leaves fewer than N vertices within the
// walks' reach lets none of them through (x = 0).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "walks/sampling_lattice.h"

class WalkReach {
public:
    explicit WalkReach(const SamplingLattice& lattice);

    // Whether a walk of `steps` steps can visit one of `vertices` after the
    // origin (which it holds from the start and never visits again).
    bool reaches(std::span<const std::int32_t> vertices, int steps) const;

    // Whether fewer than `steps` vertices besides the origin can be reached
    // from it without entering an obstacle: a walk of `steps` steps needs
    // that many distinct ones, so none avoids the obstacles.
    bool closes_off(std::span<const std::int32_t> obstacles, int steps);

private:
    const SamplingLattice& lattice_;
    std::vector<int> hops_;           // fewest steps from the origin; -1: none
    std::vector<std::uint8_t> seen_;  // scratch of closes_off: obstacles and vertices found
    std::vector<std::int32_t> queue_;
};
