// Generation of a finite lattice, shell by shell around its origin vertex, as
// a lattice entry of the structure model (vertices are atoms, edges bonds).
#pragma once

#include "lattice/lattice_types.h"

struct Entry;

// Type-code bit asking for a progress line per shell on stderr.
constexpr int kLatticeVerbose = 0x100;

// Told after every shell pass: the shell just created and its vertex count.
using LatticeProgress = void (*)(int shell, int vertices);

// Builds a lattice of type code & 0xff (0..3) with `shells` shells around the
// origin points[0..2]; the first edge runs from there along
// points[0..2] - points[3..5], every edge has length b. Prints "%d sec\n" and
// the summary line on stderr. Returns the entry, appended to the current
// entry list, or null: after "Got no entry!" (stdout), when a vertex cannot
// be made, or for a type or shell count that cannot be generated.
Entry* Xltgen(int code, const float points[6], int shells, LatticeProgress progress, float b);

// Numbers the vertices 1, 2, ... in `serial`, prints with `print` the line
// "%s: %d shells, %d vertices, coordination %d\n" on stderr and recolours
// every inner edge 0 (black): with a coordination below 12 an edge stays when
// one end lies in the outermost shell, otherwise when both do. Returns the
// number of edges that kept their colour; 0 for no entry or no lattice.
int Xltsum(Entry* entry, int print);
