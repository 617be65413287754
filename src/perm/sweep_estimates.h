// The free fraction of a probe position as the ratio of two partition sums,
//   x = Z_N(first sphere and probe) / Z_N(first sphere),
// with delete-one-batch jackknife replicates. Each Z is the mean of its
// batches' estimates; replicate j leaves batch j out of both, and because
// every position's replicate j uses the same Z_N(first sphere) without batch
// j, the sums over directions and distances carry the error of the shared
// denominator as it really enters them. The batches of different targets are
// independent, so the pairs (numerator batch j, denominator batch j) are
// independent alike and the jackknife over them is valid.
//
// The ratio of means is biased by about x (eps_first^2) and -ln x by
// (eps_probe^2 - eps_first^2) / 2 (eps: the relative errors of the two Z):
// below the error by the factor eps itself, so no correction is made.
#pragma once

#include "perm/sweep_pieces.h"
#include "sweep/profile_integration.h"

// ln Z_N of a target: [0] the mean over all batches, [1 + j] without batch j;
// -inf where no walk reached N.
Replicates log_z_replicates(const SweepPieces& pieces, int target);

// x = exp(probe - first), touched fraction 1 - x and free energy -ln x,
// replicate by replicate, from the ln Z replicates of a position and of the
// first sphere alone. With no walk at the position x is 0 and -ln x inf.
FractionReplicates ratio_fractions(const Replicates& probe, const Replicates& first);
