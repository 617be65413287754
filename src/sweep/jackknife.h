// Delete-one-block jackknife: every quantity is computed on all blocks of
// walks and once more with each block left out; the spread of the
// leave-one-out values gives the standard error.
#pragma once

#include <vector>

// A quantity and its standard error; nan where it does not apply.
struct Estimate {
    double value;
    double error;
};

// Values of one quantity: index 0 on all blocks, index 1 + j without block j.
using Replicates = std::vector<double>;

// value = all[0]; error = sqrt((K - 1)/K · Σ (all[1 + j] - mean)²) over the K
// leave-one-out values. The error is nan when the value is not finite or
// there are fewer than two blocks, inf when a leave-one-out value is not
// finite although the value is.
Estimate jackknife(const Replicates& all);

// ln Σ exp(terms[b]) over b != skip (skip < 0: over all), without overflow;
// -inf when no term is left or all are -inf.
double log_sum_exp(const std::vector<double>& terms, int skip);
