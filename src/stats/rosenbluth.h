// Rosenbluth weights of generated walks. The generator picks each step among
// its candidates with probability w / Σ w, w the step weight of the walk's
// parameters (1 for every candidate without interaction and torsion), so a
// walk grows with probability ∏ w / ∏ Σ w. Weighting it by ∏ Σ w gives every
// walk its Boltzmann weight ∏ w, the ensemble the model means; without
// interaction and torsion that is every walk equally likely.
#pragma once

#include <string>
#include <vector>

#include "lattice/enumeration.h"
#include "stats/walk_arrays.h"

// ln ∏ Σ w of every walk, replaying it on the lattice as the generator saw
// it: the vertex marks and distances the first sphere's exclusion left (or
// none without a sphere). A candidate is a neighbour of the current vertex
// with at least two edges, not marked by the sphere and not yet on the walk.
// False with the reason in `problem` when the weights do not apply: walks of
// different lengths or parameters, parameters whose step weights are not
// finite, a step that was no candidate (the settings are not those of the
// generating run), or a walk whose candidates all weigh 0 at a step.
bool rosenbluth_log_weights(const PreparedLattice& lattice, const WalkArrays& walks,
                            std::vector<double>& log_weights, std::string& problem);
