// A lattice read from its file and placed for a run: moved so that its
// origin lies at (shift, 0, 0), numbered, and given a sphere entry whose one
// atom is put where the first sphere or the probe stands.
#pragma once

#include <string>

#include "lattice/enumeration.h"

struct Atom;
struct Entry;
struct OccupancyCounts;

struct PlacedLattice {
    Entry* lattice = nullptr;
    std::string file_name;     // the file it was read from
    PreparedLattice prepared;  // vertex table, count and origin
    Entry* sphere = nullptr;   // one atom at the sphere's centre; null when made without
    Atom* sphere_atom = nullptr;

    // Puts the sphere's centre at (x, y, z).
    void put_sphere(float x, float y, float z);
};

// Reads the lattice file `file_name`, moves its first vertex to (shift, 0, 0),
// enumerates it and, when `sphere` is set, makes the sphere entry with its
// atom. False after a message. With whole_labels the file is read with its
// labels whole (Igtjklm), which lattices of 100 shells and more need.
bool place_lattice(const char* file_name, float shift, bool sphere, bool verbose,
                   PlacedLattice& placed, bool whole_labels = false);

// Releases the lattice, its vertex table and the sphere entry.
void release_lattice(PlacedLattice& placed);

// Runs the sphere exclusion (a full pass) for the sphere entry where it
// stands, with the exclusion's progress lines when verbose: the counts, or
// null when the entry is no lattice.
const OccupancyCounts* exclusion_counts(PlacedLattice& placed, float radius, bool verbose);

// The reports of an exclusion's counts, found by any means: "Found %d
// occupied, %d\n" when verbose, "No walks possible\n" when the origin has no
// free first step, and a message for null counts (the entry is no lattice).
// False when the run must end.
bool report_exclusion(const PlacedLattice& placed, const OccupancyCounts* counts, bool verbose);

// exclusion_counts and their reports; false when the run must end.
bool exclude_sphere(PlacedLattice& placed, float radius, bool verbose);
