// Korvi's fifteen options: the table the parser fills, the settings read from
// it, and the defaults the help shows.
#include "driver/korvi_options.h"

#include "cli/option_parser.h"

#include <iterator>

namespace {

constexpr const char* kEntries[] = {
    " iinput file of lattice walks [.lwk]",
    "ls(COMPULSORY!) file of lattice [.jkl]",
    "mlassume walks file is a .mab file",
    "snshift (in x) of lattice",
    "rnradius of sphere",
    "dndistance of sphere",
    "tnnumber of theta values",
    "pnnumber of phi values",
    "vlverbose",
    "wlwrite .lwk file from .mab file",
    "nnnumber of walks to generate",
    "enextension of walks to be generated",
    "ininitial seed for random number generator",
    "gngenerate lattice with number of shells",
    "bnlattice type: 0=dmd, 1=sc, 2=bcc, 3=fcc",
};
static_assert(std::size(kEntries) == kOptionCount);

constexpr const char* kLongTexts[] = {
    nullptr,
    "For the generation of a new lattice this is, of course not needed.",
    " This option allows to evaluate walks generated within Vandu.",
    "When generating walks, this value corresponds to the radius of a sphere, placed at the "
    "origin. The origin of the lattice is placed on the x-axis at this specified value. Walks "
    "avoid the sphere. This value must also be given in evaluation runs!",
    "This probe sphere is placed at positions given by specifications 'd', 't', and 'p'. The "
    "fraction of walks that do not touch this sphere is evaluated.",
    "Distance of probe sphere from the origin, where the first shpere (if any) is located at "
    "which the walks are attached.",
    "Number of equally spaced values for the polar angle of the probe sphere position, "
    "including the two poles.",
    "Number of equally spaced values for the azimuth of the probe sphere position.",
    nullptr,
    "Interactively (within Vandu) generated walks are stored as .mab files such that they can "
    "be visualized. Korvi works with a simpler file format (.lwk) in order to save disc space.",
    "This needs a specification of the extension parameter, 'e'.",
    "The length of a walk is specified by the number of steps from the origin of the lattice.",
    "By default the program starting-time is used to generate the seed.",
    "The extension of the lattice is specified in shells, who's border is given by the number "
    "of steps from the lattice origin.",
    "dmd: diamond lattice (4-coorinated)\nsc:  simple cubic lattice (6-coorinated)\nbcc: body "
    "centered cubic lattice (8-coorinated)\nfcc: face centered cubic lattice (12-coorinated)",
};
static_assert(std::size(kLongTexts) == kOptionCount);

}  // namespace

const char* const* korvi_option_entries() {
    return kEntries;
}
const char* const* korvi_option_long_texts() {
    return kLongTexts;
}

Settings read_settings(const std::int64_t* values, int start_seed, int argc, char** argv) {
    Settings settings;
    settings.walk_file = Bclnp_str(values[kWalkFileSlot]);
    settings.lattice_file = Bclnp_str(values[kLatticeFileSlot]);
    settings.mab = values[kMabSlot] != 0;
    read_slot(values[kShiftSlot], settings.shift);
    read_slot(values[kRadiusSlot], settings.radius);
    read_slot(values[kDistanceSlot], settings.distance);
    read_slot(values[kThetaCountSlot], settings.theta_count);
    read_slot(values[kPhiCountSlot], settings.phi_count);
    settings.verbose = values[kVerboseSlot] != 0;
    settings.convert = values[kConvertSlot] != 0;
    read_slot(values[kWalksSlot], settings.walks);
    read_slot(values[kExtensionSlot], settings.extension);
    settings.seed = start_seed;
    read_slot(values[kSeedSlot], settings.seed);
    read_slot(values[kShellsSlot], settings.shells);
    read_slot(values[kLatticeTypeSlot], settings.lattice_type);
    settings.argc = argc;
    settings.argv = argv;
    return settings;
}

void set_help_defaults(std::int64_t* values, int start_seed) {
    values[kThetaCountSlot] = kFixedPointOne;
    values[kPhiCountSlot] = kFixedPointOne;
    values[kWalksSlot] = 1000 * kFixedPointOne;
    values[kExtensionSlot] = 0;
    values[kSeedSlot] = start_seed * kFixedPointOne;
}
