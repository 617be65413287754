// Korvi's option table, and the conversion of its value store into run
// settings (or, for the help, of the defaults into the store).
#pragma once

#include <cstdint>

#include "cli/option_table.h"
#include "driver/settings.h"

// Slot of each option in the value store, in table order.
enum OptionSlot {
    kWalkFileSlot,
    kLatticeFileSlot,
    kMabSlot,
    kShiftSlot,
    kRadiusSlot,
    kDistanceSlot,
    kThetaCountSlot,
    kPhiCountSlot,
    kVerboseSlot,
    kConvertSlot,
    kWalksSlot,
    kExtensionSlot,
    kSeedSlot,
    kShellsSlot,
    kLatticeTypeSlot,
    kOptionCount
};

using KorviOptionTable = OptionTable<Settings, kOptionCount>;

const KorviOptionTable& korvi_options();

// The settings from the slots that are set; the defaults of Settings (and
// start_seed for the seed) for the others.
Settings read_settings(const std::int64_t* values, int start_seed, int argc, char** argv);

// Writes the defaults the help shows into the store: those of the theta and
// phi counts, the walks, the extension and the seed, which is start_seed
// (beyond the 32-bit range, so it takes the whole 64-bit slot).
void set_help_defaults(std::int64_t* values, int start_seed);
