// The output of the generate-walks run: walk records in a .lwk file, or
// walk entries in a .mab file (-m).
#pragma once

#include <cstdio>

#include "cli/file_names.h"

struct PlacedLattice;
struct Settings;
struct WalkRecord;

struct WalkOutput {
    std::FILE* fp = nullptr;
    char name[kFileNameSize] = {};
    bool mab = false;
    PlacedLattice* lattice = nullptr;  // for walk entries
};

// Opens the file named by the positional name with the extension "lwk" (or
// "mab"); reports and returns false when it cannot be written or would be
// the lattice file itself.
bool open_walk_output(const Settings& settings, PlacedLattice& lattice, WalkOutput& output);

// Writes one walk; the comment goes with the first .lwk record only.
void write_walk(WalkOutput& output, const WalkRecord* walk, const char* comment);

// Closes the file and reports "Written: <name>".
void close_walk_output(WalkOutput& output);
