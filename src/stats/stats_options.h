// The option table of korvi-stats and the settings read from it.
#pragma once

#include <cstdint>

#include "cli/option_table.h"
#include "sweep/sweep_grid.h"

// Slot of each option in the value store, in table order.
enum StatsOptionSlot {
    kStatsWalkFileSlot,
    kStatsLatticeFileSlot,
    kStatsMabSlot,
    kStatsShiftSlot,
    kStatsRadiusSlot,
    kStatsDistanceSlot,
    kStatsThetaCountSlot,
    kStatsPhiCountSlot,
    kStatsVerboseSlot,
    kStatsBlocksSlot,
    kStatsOutputSlot,
    kStatsGenerationShiftSlot,
    kStatsGenerationRadiusSlot,
    kStatsGenerationDistanceSlot,
    kStatsOptionCount
};

// Where the first sphere and the lattice origin were when the walks grew:
// the -s, -r and -d of the generating korvi run.
struct GenerationSettings {
    float shift = 0.0f;     // x of the lattice origin
    float radius = 0.0f;    // first sphere radius; 0: there was no sphere
    float distance = 0.0f;  // x of the first sphere's centre
};

// The grid's settings are -s, -r, -d, -t and -p.
struct StatsSettings : GridSettings {
    const char* walk_file = nullptr;      // positional name; nullptr: not given
    const char* lattice_file = nullptr;   // -l
    bool mab = false;                     // -m: walks are .mab entries
    bool verbose = false;                 // -v
    int blocks = 20;                      // -k: jackknife blocks
    const char* output_prefix = nullptr;  // -o: PREFIX.tsv and PREFIX.svg; nullptr: stdout
    bool generation_given = false;        // any of -S, -R, -D
    GenerationSettings generation;        // -S (default -s), -R, -D (default 0)
};

using StatsOptionTable = OptionTable<StatsSettings, kStatsOptionCount>;

const StatsOptionTable& stats_options();

// The settings from the slots that are set, the defaults for the others.
StatsSettings read_stats_settings(const std::int64_t* values);

// Writes the defaults the help shows into the store: theta and phi counts and
// blocks.
void set_stats_help_defaults(std::int64_t* values);
