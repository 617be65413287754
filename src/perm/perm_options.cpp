// The options of korvi-perm: the lattice and first sphere of korvi's
// generation of walks, the length, the tours and batches, the seed, the walks
// written, and the walk parameters.
#include "perm/perm_options.h"

namespace {

using Row = OptionRow<PermOptions>;

constexpr PermOptionTable kTable(std::array{
    Row::of<&PermOptions::walk_file>(" ifile of weighted walks to write [.lwk]"),
    Row::of<&PermOptions::lattice_file>(
        "ls(COMPULSORY!) file of lattice [.jkl]",
        "The lattice the walks grow on. It must hold the walks: a warning says when walks reach "
        "its outer shell."),
    Row::of<&PermOptions::shift>(
        "snshift (in x) of lattice",
        "x position given to the lattice origin, where every walk starts; with a first sphere "
        "at the coordinate origin, its radius."),
    Row::of<&PermOptions::radius>(
        "rnradius of first sphere",
        "Walks avoid the vertices within this distance of the sphere's centre, as korvi's "
        "generated walks do; 0: no sphere."),
    Row::of<&PermOptions::distance>("dndistance of first sphere",
                                    "x position of the first sphere's centre."),
    Row::of<&PermOptions::steps>(
        "ennumber of steps N of the walks",
        "The partition sum Z_n is estimated for every length n up to N; the walks of full length "
        "are written."),
    Row::with_default<&PermOptions::tours>(
        "nnnumber of tours per batch",
        "A tour grows a tree of walks from the origin, pruned and enriched at every length. The "
        "run makes this many tours in each batch (n times k in all: option numbers stop at "
        "21474, so the total is given as a product)."),
    Row::with_default<&PermOptions::batches>(
        "knnumber of batches",
        "Independent batches, each with its own random stream and running estimates; the spread "
        "of their estimates gives the errors."),
    Row::with_default<&PermOptions::seed>(
        "ininitial seed for random number generator",
        "0 to 21474. By default the program's starting time gives the seed; the run reports it, "
        "so that it can be repeated."),
    Row::with_default<&PermOptions::walks_per_tour>(
        "wnwalks written per tour at most (0: all)",
        "The walks of one tour share most of their steps, so that a sweep learns little more "
        "from all of them than from one. A tour with more than w walks of full length writes w "
        "of them, chosen with probability in proportion to their weights, each weighted by its "
        "weight over that probability: the file stays unbiased."),
    Row::of<&PermOptions::parameters, &WalkParameters::strength>(
        "Aninteraction strength A (kT)",
        "A step onto a vertex at distance d from the first sphere's centre has the factor "
        "exp(-A exp(-d/lambda)): A > 0 repels, A < 0 attracts. Without a sphere the lattice "
        "file's charges stand for d."),
    Row::of<&PermOptions::parameters, &WalkParameters::range>(
        "Lninteraction distance lambda",
        "The decay length of the interaction, in the lattice's length unit; 0 switches the "
        "interaction off."),
    Row::of<&PermOptions::parameters, &WalkParameters::gauche_energy>(
        "Engauche-trans energy E (kT)",
        "A step that puts the new vertex at gauche distance (below 3.24) from the vertex three "
        "steps back has the factor exp(-E)."),
    Row::of<&PermOptions::verbose>("vlverbose"),
});

PermOptions defaults(int start_seed) {
    PermOptions options;
    options.seed = start_seed;
    return options;
}

}  // namespace

const PermOptionTable& perm_options() {
    return kTable;
}

int seed_from_time(long long start_time) {
    return static_cast<int>(start_time % (kLargestSeed + 1));
}

PermOptions read_perm_options(const std::int64_t* values, int start_seed) {
    return kTable.read(values, defaults(start_seed));
}

void set_perm_help_defaults(std::int64_t* values, int start_seed) {
    kTable.show_defaults(values, defaults(start_seed));
}
