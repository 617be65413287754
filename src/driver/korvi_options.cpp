// Korvi's fifteen options: the table the parser fills and the run's settings
// read from it, and the defaults the help shows.
#include "driver/korvi_options.h"

namespace {

using Row = OptionRow<Settings>;

constexpr KorviOptionTable kTable(std::array{
    Row::of<&Settings::walk_file>(" iinput file of lattice walks [.lwk]"),
    Row::of<&Settings::lattice_file>(
        "ls(COMPULSORY!) file of lattice [.jkl]",
        "For the generation of a new lattice this is, of course not needed."),
    Row::of<&Settings::mab>("mlassume walks file is a .mab file",
                            " This option allows to evaluate walks generated within Vandu."),
    Row::of<&Settings::shift>(
        "snshift (in x) of lattice",
        "When generating walks, this value corresponds to the radius of a sphere, placed at the "
        "origin. The origin of the lattice is placed on the x-axis at this specified value. Walks "
        "avoid the sphere. This value must also be given in evaluation runs!"),
    Row::of<&Settings::radius>(
        "rnradius of sphere",
        "This probe sphere is placed at positions given by specifications 'd', 't', and 'p'. The "
        "fraction of walks that do not touch this sphere is evaluated."),
    Row::of<&Settings::distance>(
        "dndistance of sphere",
        "Distance of probe sphere from the origin, where the first shpere (if any) is located at "
        "which the walks are attached."),
    Row::with_default<&Settings::theta_count>(
        "tnnumber of theta values",
        "Number of equally spaced values for the polar angle of the probe sphere position, "
        "including the two poles."),
    Row::with_default<&Settings::phi_count>(
        "pnnumber of phi values",
        "Number of equally spaced values for the azimuth of the probe sphere position."),
    Row::of<&Settings::verbose>("vlverbose"),
    Row::of<&Settings::convert>(
        "wlwrite .lwk file from .mab file",
        "Interactively (within Vandu) generated walks are stored as .mab files such that they can "
        "be visualized. Korvi works with a simpler file format (.lwk) in order to save disc "
        "space."),
    Row::with_default<&Settings::walks>(
        "nnnumber of walks to generate",
        "This needs a specification of the extension parameter, 'e'."),
    Row::with_default<&Settings::extension>(
        "enextension of walks to be generated",
        "The length of a walk is specified by the number of steps from the origin of the lattice."),
    Row::with_default<&Settings::seed>(
        "ininitial seed for random number generator",
        "By default the program starting-time is used to generate the seed."),
    Row::of<&Settings::shells>(
        "gngenerate lattice with number of shells",
        "The extension of the lattice is specified in shells, who's border is given by the number "
        "of steps from the lattice origin."),
    Row::of<&Settings::lattice_type>(
        "bnlattice type: 0=dmd, 1=sc, 2=bcc, 3=fcc",
        "dmd: diamond lattice (4-coorinated)\nsc:  simple cubic lattice (6-coorinated)\nbcc: body "
        "centered cubic lattice (8-coorinated)\nfcc: face centered cubic lattice (12-coorinated)"),
});

Settings defaults(int start_seed, int argc, char** argv) {
    Settings settings;
    settings.seed = start_seed;
    settings.argc = argc;
    settings.argv = argv;
    return settings;
}

}  // namespace

const KorviOptionTable& korvi_options() {
    return kTable;
}

Settings read_settings(const std::int64_t* values, int start_seed, int argc, char** argv) {
    return kTable.read(values, defaults(start_seed, argc, argv));
}

void set_help_defaults(std::int64_t* values, int start_seed) {
    kTable.show_defaults(values, defaults(start_seed, 0, nullptr));
}
