// Choosing the continuations of a walk: several distinct ones at once, each
// with the probability that keeps the weights unbiased.
#pragma once

#include <cstdint>
#include <span>

// A neighbour the walk can step to.
struct Candidate {
    std::int32_t vertex = -1;
    double weight = 0.0;      // Boltzmann factor of the step
    double importance = 0.0;  // how readily it is chosen; 0 only with weight 0
};

// A chosen continuation and the factor its weight carries: the step's
// Boltzmann factor over the probability that it was chosen.
struct Child {
    std::int32_t vertex = -1;
    double factor = 0.0;
};

// Chooses distinct candidates, `expected` of them on average (at most all):
// candidate j with probability p_j = min(1, c * importance_j), c such that
// the p_j add up to `expected`, by systematic sampling from the one uniform
// deviate u in [0, 1), so that floor(expected) or ceil(expected) come out.
// Writes the children to out (room for every candidate) and returns their count.
int choose_children(std::span<const Candidate> candidates, double expected, double u, Child* out);
