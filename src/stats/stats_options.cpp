// The options of korvi-stats: korvi's evaluation options, the jackknife
// blocks, the output prefix and the settings of the generating run.
#include "stats/stats_options.h"

namespace {

constexpr const char* kGenerationText =
    "Rosenbluth weights replay the growth of every walk around the first sphere. Its place and "
    "size are read from the 'Korvi ...' comment line of the walk file (not from a line of the "
    "length korvi cuts it to); when any of -S, -R and -D is given, these replace that line (-S "
    "defaults to -s, -R and -D to 0).";

using Row = OptionRow<StatsSettings>;

constexpr StatsOptionTable kTable(std::array{
    Row::of<&StatsSettings::walk_file>(" iinput file of lattice walks [.lwk]"),
    Row::of<&StatsSettings::lattice_file>("ls(COMPULSORY!) file of lattice [.jkl]",
                                          "The lattice the walks were generated on."),
    Row::of<&StatsSettings::mab>("mlassume walks file is a .mab file",
                                 "Walk entries of a .mab file instead of a .lwk file."),
    Row::of<&StatsSettings::shift>(
        "snshift (in x) of lattice",
        "x position of the lattice origin, as in the evaluation with korvi."),
    Row::of<&StatsSettings::radius>(
        "rnradius of probe sphere",
        "The probe sphere is placed at positions given by 'd', 't' and 'p', as in the evaluation "
        "with korvi."),
    Row::of<&StatsSettings::distance>(
        "dndistance of probe sphere",
        "Distance of the probe from the origin; a negative value sweeps from contact to its size."),
    Row::with_default<&StatsSettings::theta_count>("tnnumber of theta values",
                                                   "Number of equally spaced values for the polar "
                                                   "angle of the probe, including the two poles."),
    Row::with_default<&StatsSettings::phi_count>(
        "pnnumber of phi values", "Number of equally spaced values for the azimuth of the probe."),
    Row::of<&StatsSettings::verbose>("vlverbose"),
    Row::with_default<&StatsSettings::blocks>(
        "knnumber of jackknife blocks",
        "The walks are split in file order into this many blocks; every quantity is computed again "
        "with each block left out, and the spread of these values gives its standard error."),
    Row::of<&StatsSettings::output_prefix>(
        "osprefix of output files",
        "Without it the table goes to standard output. With it the table is written to PREFIX.tsv "
        "and gnuplot draws the free-energy profile and the excluded area against the distance to "
        "PREFIX.svg."),
    Row::of<&StatsSettings::generation, &GenerationSettings::shift>(
        "Snshift (in x) of lattice when the walks were generated", kGenerationText),
    Row::of<&StatsSettings::generation, &GenerationSettings::radius>(
        "Rnradius of first sphere when the walks were generated", kGenerationText),
    Row::of<&StatsSettings::generation, &GenerationSettings::distance>(
        "Dndistance of first sphere when the walks were generated", kGenerationText),
});

}  // namespace

const StatsOptionTable& stats_options() {
    return kTable;
}

StatsSettings read_stats_settings(const std::int64_t* values) {
    StatsSettings settings = kTable.read(values, StatsSettings{});
    settings.generation_given = values[kStatsGenerationShiftSlot] != 0 ||
                                values[kStatsGenerationRadiusSlot] != 0 ||
                                values[kStatsGenerationDistanceSlot] != 0;
    if (values[kStatsGenerationShiftSlot] == 0) settings.generation.shift = settings.shift;
    return settings;
}

void set_stats_help_defaults(std::int64_t* values) {
    kTable.show_defaults(values, StatsSettings{});
}
