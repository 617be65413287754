// Direction vectors of the lattice in generation and the classification of a
// vertex's existing edges against them.
#pragma once

#include "lattice/lattice_types.h"

struct Atom;

// Rows of three double-precision components, each of length b once built.
using DirectionTable = double[kMaxDirections][3];

// Builds the directions of the current generation type from row 0, which
// holds the first direction d on entry, and scales the rows used to length b.
void Xltvec(DirectionTable table, float b);

// Marks the free directions of vertex v in free[0 .. c-1]: 0 where an existing
// edge already runs, else the sign (+1 or -1) to use the direction with.
// Returns the number of existing edges (scanning stops at c). Edges matching
// no direction print "%s: ligand error!\n", a diamond vertex whose edges
// match both sign sets "%s: sign error!\n" (both on stdout, with v's label).
int Xltfre(const Atom* v, const DirectionTable table, int free[kMaxDirections]);
