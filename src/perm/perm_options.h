// The option table of korvi-perm and the settings read from it.
#pragma once

#include <cstdint>

#include "cli/option_table.h"
#include "perm/sweep_settings.h"
#include "sweep/sweep_grid.h"
#include "walks/step_weights.h"

// Slot of each option in the value store, in table order.
enum PermOptionSlot {
    kPermWalkFileSlot,
    kPermLatticeFileSlot,
    kPermShiftSlot,
    kPermRadiusSlot,
    kPermDistanceSlot,
    kPermStepsSlot,
    kPermToursSlot,
    kPermBatchesSlot,
    kPermSeedSlot,
    kPermWalksPerTourSlot,
    kPermStrengthSlot,
    kPermRangeSlot,
    kPermGaucheSlot,
    kPermVerboseSlot,
    kPermSweepSlot,
    kPermThetaCountSlot,
    kPermPhiCountSlot,
    kPermFirstShiftSlot,
    kPermFirstRadiusSlot,
    kPermFirstDistanceSlot,
    kPermThreadsSlot,
    kPermOutputSlot,
    kPermShareSlot,
    kPermMergeSlot,
    kPermOptionCount
};

// Option numbers stop at 21474.83647, so a seed the run reports can be given
// back with -i only up to this.
constexpr int kLargestSeed = 21474;

// The grid's settings are -s, -r, -d, -t and -p; in the sampling run -s, -r
// and -d place the first sphere, as in korvi's generation of walks, and in
// the sweep (-x) they sweep the probe, as in korvi's evaluate mode, while -S,
// -R and -D place the first sphere.
struct PermOptions : GridSettings {
    const char* walk_file = nullptr;     // positional name; nullptr: no walks written
    const char* lattice_file = nullptr;  // -l
    int steps = 0;                       // -e: N, the length of the walks
    int tours = 1000;                    // -n: tours per batch
    int batches = 20;                    // -k: independent batches
    int seed = 0;                        // -i, else from the start time (0 ... kLargestSeed)
    int walks_per_tour = 1;              // -w: most walks written of one tour; 0: all
    WalkParameters parameters;           // -A, -L, -E
    bool verbose = false;                // -v
    bool seed_given = false;             // whether -i was given

    // The sweep.
    bool sweep = false;                   // -x: sweep a probe sphere
    FirstSphere first;                    // -S (default -s), -R, -D
    int threads = 0;                      // -j; 0: every processor the process may use
    const char* output_prefix = nullptr;  // -o: PREFIX.tsv and PREFIX.svg; nullptr: stdout
    const char* share = nullptr;          // -c: "k/m", share k of m of the sweep
    int merge = 0;                        // -u: m, join the m shares of PREFIX
};

using PermOptionTable = OptionTable<PermOptions, kPermOptionCount>;

const PermOptionTable& perm_options();

// The default seed of a run started at `start_time` (seconds): one that -i
// can give back.
int seed_from_time(long long start_time);

// The settings from the slots that are set, the defaults (and start_seed for
// the seed) for the others.
PermOptions read_perm_options(const std::int64_t* values, int start_seed);

// Writes the defaults the help shows into the store: tours, batches, the seed
// and the walks written per tour.
void set_perm_help_defaults(std::int64_t* values, int start_seed);
