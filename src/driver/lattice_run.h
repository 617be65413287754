// What the lattice set-up hands to the generate-walks and evaluate runs.
#pragma once

#include "cli/file_names.h"
#include "lattice/enumeration.h"

struct Atom;
struct Entry;
struct OccupancyCounts;

struct LatticeRun {
    Entry* lattice = nullptr;
    char lattice_name[kFileNameSize] = {};  // the file it was read from
    PreparedLattice prepared;               // vertex table, count and origin
    Entry* sphere = nullptr;                // one atom at the sphere's centre; null without -r
    Atom* sphere_atom = nullptr;
};

// Reads the lattice file (name with the default extension .jkl), moves its
// first vertex to (shift, 0, 0), enumerates it and, when `sphere` is set,
// makes the sphere entry with its atom. False after a message.
bool set_up_lattice(const char* lattice_file, float shift, bool sphere, bool verbose,
                    LatticeRun& run);

// Runs the sphere exclusion (a full pass) for the sphere entry in its
// current place: the counts, or null when the entry is no lattice.
const OccupancyCounts* exclusion_counts(const LatticeRun& run, float radius, int verbose);

// Runs the sphere exclusion for the sphere entry in its current place and
// reports as both runs do: "Found %d occupied, %d\n" when verbose, "No walks
// possible\n" when the origin has no free first step. False when the run
// must end (after that message, or after saying the entry is no lattice).
bool exclude_sphere(const LatticeRun& run, float radius, int verbose, int* first_steps);

// The reports of exclude_sphere for counts found by any means (null: the
// entry is no lattice); *first_steps receives the first-step count.
bool report_exclusion(const LatticeRun& run, const OccupancyCounts* counts, int verbose,
                      int* first_steps);
