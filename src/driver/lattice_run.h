// What the lattice set-up hands to the generate-walks and evaluate runs.
#pragma once

#include "lattice/enumeration.h"

struct Atom;
struct Entry;
struct OccupancyCounts;

struct LatticeRun {
    Entry* lattice = nullptr;
    const char* lattice_name = nullptr;  // the file it was read from
    PreparedLattice prepared;            // vertex table, count and origin
    Entry* sphere = nullptr;             // one atom at the sphere's centre; null without -r
    Atom* sphere_atom = nullptr;
};

// Runs the sphere exclusion for the sphere entry in its current place and
// reports as both runs do: "Found %d occupied, %d\n" when verbose, "No walks
// possible\n" when the origin has no free first step. False when the run
// must end (after that message, or after saying the entry is no lattice).
bool exclude_sphere(const LatticeRun& run, float radius, int verbose, int* first_steps);

// The reports of exclude_sphere for counts found by any means (null: the
// entry is no lattice); *first_steps receives the first-step count.
bool report_exclusion(const LatticeRun& run, const OccupancyCounts* counts, int verbose,
                      int* first_steps);
