// The run settings the driver derives from the options, with their defaults.
#pragma once

#include "sweep/sweep_grid.h"

// The grid's settings are -s, -r, -d, -t and -p; in a generate-walks run -r
// and -d place the first sphere instead of the probe.
struct Settings : GridSettings {
    const char* walk_file = nullptr;     // positional name; nullptr: not given
    const char* lattice_file = nullptr;  // -l; nullptr: not given
    bool mab = false;                    // -m: walks are .mab entries, not .lwk records
    bool verbose = false;                // -v
    bool convert = false;                // -w: convert .mab walks to .lwk
    int walks = 1000;                    // -n: walks to generate
    int extension = 0;                   // -e: steps per walk; <= 0 evaluates
    int seed = 0;                        // -i, else the start time modulo 2147483647
    int shells = 0;                      // -g: not 0 generates a lattice
    int lattice_type = 0;                // -b: 0 dmd, 1 sc, 2 bcc, 3 fcc
    int argc = 0;                        // the command line, for the walk file's comment line
    char** argv = nullptr;
};
