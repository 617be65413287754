// Rosenbluth weights of generated walks. The generator picks each step
// uniformly among its candidates, so a walk grows with probability
// 1 / (c1 c2 ... cn); weighting it by c1 c2 ... cn makes every walk that can
// grow equally likely, which undoes the bias against crowded conformations.
#pragma once

#include <string>
#include <vector>

#include "lattice/enumeration.h"
#include "stats/walk_arrays.h"

// ln(c1 c2 ... cn) of every walk, replaying it on the lattice as the
// generator saw it: the vertex marks the first sphere's exclusion left (or
// none without a sphere). A candidate is a neighbour of the current vertex
// with at least two edges, not marked by the sphere and not yet on the walk.
// False with the reason in `problem` when the weights do not apply: a walk
// that grew with interaction or torsion weights, walks of different lengths,
// or a step that was no candidate (the settings are not those of the
// generating run).
bool rosenbluth_log_weights(const PreparedLattice& lattice, const WalkArrays& walks,
                            std::vector<double>& log_weights, std::string& problem);
