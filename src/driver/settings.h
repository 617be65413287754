// The run settings the driver derives from the options, with their defaults.
#pragma once

struct Settings {
    const char* walk_file = nullptr;     // positional name; nullptr: not given
    const char* lattice_file = nullptr;  // -l; nullptr: not given
    bool mab = false;                    // -m: walks are .mab entries, not .lwk records
    float shift = 0.0f;                  // -s: x of the lattice origin
    float radius = 0.0f;                 // -r: probe sphere radius
    float distance = 0.0f;               // -d: sphere (probe) distance
    int theta_count = 1;                 // -t: polar angles, poles included
    int phi_count = 1;                   // -p: azimuths
    int verbose = 0;                     // -v: 4 (the sphere exclusion's verbose bit), else 0
    bool convert = false;                // -w: convert .mab walks to .lwk
    int walks = 1000;                    // -n: walks to generate
    int extension = 0;                   // -e: steps per walk; <= 0 evaluates
    int seed = 0;                        // -i, else the start time modulo 2147483647
    int shells = 0;                      // -g: not 0 generates a lattice
    int lattice_type = 0;                // -b: 0 dmd, 1 sc, 2 bcc, 3 fcc
    int argc = 0;                        // the command line, for the walk file's comment line
    char** argv = nullptr;
};
