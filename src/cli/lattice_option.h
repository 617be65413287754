// The lattice that a program's -l option names, read and placed for its run.
#pragma once

struct PlacedLattice;

// Builds the lattice file's name from the -l value (default extension .jkl)
// and reads and places the lattice as place_lattice does. False after a
// message when -l was not given (`option` null), the name does not fit or
// the lattice cannot be placed.
bool place_named_lattice(const char* option, float shift, bool sphere, bool verbose,
                         PlacedLattice& placed, bool whole_labels = false);
