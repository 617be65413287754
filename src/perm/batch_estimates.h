// Estimates with errors from independent batches of tours: the partition sum
// at every length and the effective number of the walks of full length.
#pragma once

#include <span>
#include <vector>

#include "perm/tour_sampler.h"

// ln Z_n and its standard error (the relative standard error of Z_n).
struct LengthEstimate {
    double log_z = 0.0;  // -inf when no batch reached the length
    double error = 0.0;  // NaN with a single batch or no walk of that length
};

// Z_n is the mean of the batches' estimates (batches of equal numbers of
// tours), its error the standard deviation of the batch estimates over the
// square root of their number; worked with the logarithms so that weights of
// long walks do not overflow.
std::vector<LengthEstimate> combine_batches(std::span<const BatchSums> batches);

// (sum w)^2 / sum w^2 over the walks of full length of all batches; 0 without any.
double effective_walks(std::span<const BatchSums> batches);
