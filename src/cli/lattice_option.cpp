// The -l option's lattice: its file name and its placing.
#include "cli/lattice_option.h"

#include <cstdio>

#include "cli/file_names.h"
#include "sweep/placed_lattice.h"

bool place_named_lattice(const char* option, float shift, bool sphere, bool verbose,
                         PlacedLattice& placed, bool whole_labels) {
    if (!option) {
        std::fputs("No lattice file given (option -l)!\n", stderr);
        return false;
    }
    char name[kFileNameSize];
    if (!build_file_name(option, "jkl", 0, name)) return false;
    return place_lattice(name, shift, sphere, verbose, placed, whole_labels);
}
