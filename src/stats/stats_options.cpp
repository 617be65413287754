// The options of korvi-stats: korvi's evaluation options, the jackknife
// blocks, the output prefix and the settings of the generating run.
#include "stats/stats_options.h"

#include <iterator>

#include "cli/option_parser.h"

namespace {

constexpr const char* kEntries[] = {
    " iinput file of lattice walks [.lwk]",
    "ls(COMPULSORY!) file of lattice [.jkl]",
    "mlassume walks file is a .mab file",
    "snshift (in x) of lattice",
    "rnradius of probe sphere",
    "dndistance of probe sphere",
    "tnnumber of theta values",
    "pnnumber of phi values",
    "vlverbose",
    "knnumber of jackknife blocks",
    "osprefix of output files",
    "Snshift (in x) of lattice when the walks were generated",
    "Rnradius of first sphere when the walks were generated",
    "Dndistance of first sphere when the walks were generated",
};
static_assert(std::size(kEntries) == kStatsOptionCount);

constexpr const char* kGenerationText =
    "Rosenbluth weights replay the growth of every walk around the first sphere. Its place and "
    "size are read from the 'Korvi ...' comment line of the walk file; when any of -S, -R and -D "
    "is given, these replace that line (-S defaults to -s, -R and -D to 0).";

constexpr const char* kLongTexts[] = {
    nullptr,
    "The lattice the walks were generated on.",
    "Walk entries of a .mab file instead of a .lwk file.",
    "x position of the lattice origin, as in the evaluation with korvi.",
    "The probe sphere is placed at positions given by 'd', 't' and 'p', as in the evaluation "
    "with korvi.",
    "Distance of the probe from the origin; a negative value sweeps from contact to its size.",
    "Number of equally spaced values for the polar angle of the probe, including the two poles.",
    "Number of equally spaced values for the azimuth of the probe.",
    nullptr,
    "The walks are split in file order into this many blocks; every quantity is computed again "
    "with each block left out, and the spread of these values gives its standard error.",
    "Without it the table goes to standard output. With it the table is written to PREFIX.tsv "
    "and gnuplot draws the free-energy profile and the excluded area against the distance to "
    "PREFIX.svg.",
    kGenerationText,
    kGenerationText,
    kGenerationText,
};
static_assert(std::size(kLongTexts) == kStatsOptionCount);

}  // namespace

const char* const* stats_option_entries() {
    return kEntries;
}
const char* const* stats_option_long_texts() {
    return kLongTexts;
}

StatsSettings read_stats_settings(const std::int64_t* values) {
    StatsSettings settings;
    settings.walk_file = Bclnp_str(values[kStatsWalkFileSlot]);
    settings.lattice_file = Bclnp_str(values[kStatsLatticeFileSlot]);
    settings.mab = values[kStatsMabSlot] != 0;
    read_slot(values[kStatsShiftSlot], settings.shift);
    read_slot(values[kStatsRadiusSlot], settings.radius);
    read_slot(values[kStatsDistanceSlot], settings.distance);
    read_slot(values[kStatsThetaCountSlot], settings.theta_count);
    read_slot(values[kStatsPhiCountSlot], settings.phi_count);
    settings.verbose = values[kStatsVerboseSlot] != 0;
    read_slot(values[kStatsBlocksSlot], settings.blocks);
    settings.output_prefix = Bclnp_str(values[kStatsOutputSlot]);
    settings.generation_given = values[kStatsGenerationShiftSlot] != 0 ||
                                values[kStatsGenerationRadiusSlot] != 0 ||
                                values[kStatsGenerationDistanceSlot] != 0;
    settings.generation.shift = settings.shift;
    read_slot(values[kStatsGenerationShiftSlot], settings.generation.shift);
    read_slot(values[kStatsGenerationRadiusSlot], settings.generation.radius);
    read_slot(values[kStatsGenerationDistanceSlot], settings.generation.distance);
    return settings;
}

void set_stats_help_defaults(std::int64_t* values) {
    values[kStatsThetaCountSlot] = kFixedPointOne;
    values[kStatsPhiCountSlot] = kFixedPointOne;
    values[kStatsBlocksSlot] = 20 * kFixedPointOne;
}
