// Vertex numbers of a lattice and the table from number to vertex, and the
// placement of a lattice read from its file at the start of a run.
#pragma once

struct Atom;
struct Entry;

// Numbers the lattice's vertices 1, 2, ... in list order (`serial`) and clears
// their `work`. Bit 0 of *count asks for the vertex table (index k - 1 holds
// vertex k, tag "Xltwnum", released with free()); on return *count holds the
// number of vertices. `origin`, when given, receives the last vertex of shell 0,
// or null. Returns the table, or null when it was not asked for or could not be
// allocated ("No memory (%d)\n").
Atom** Xltwnum(Entry* lattice, int* count, Atom** origin);

// The working lattice of a run.
struct PreparedLattice {
    Atom** table = nullptr;  // vertex number k at index k - 1; null: preparation failed
    int n = 0;               // number of vertices
    Atom* origin = nullptr;  // where walks start; null when no vertex has shell 0
};

// Moves the lattice so that its first vertex lies at (shift, 0, 0), reports
// its shells, vertices and radius when verbose, and enumerates it with the
// table. A null table means failure; the caller reports it.
PreparedLattice prepare_lattice(Entry* lattice, float shift, bool verbose);
