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
        "at the coordinate origin, its radius. In the sweep (-x) -s, -r and -d are the probe's, "
        "as in korvi's evaluate mode."),
    Row::of<&PermOptions::radius>(
        "rnradius of first sphere",
        "Walks avoid the vertices within this distance of the sphere's centre, as korvi's "
        "generated walks do; 0: no sphere. In the sweep (-x): the probe's radius."),
    Row::of<&PermOptions::distance>(
        "dndistance of first sphere",
        "x position of the first sphere's centre. In the sweep (-x): the probe's distance, a "
        "negative value sweeping from contact to its size."),
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
    Row::of<&PermOptions::sweep>(
        "xlsweep a probe sphere",
        "Instead of writing walks, estimate at every position of a probe sphere swept as in "
        "korvi's evaluate mode (-s -r -d -t -p) the free fraction x = Z_N(first sphere and "
        "probe) / Z_N(first sphere) of the model's ensemble, walks of N steps around the first "
        "sphere -S -R -D, and write korvi-stats' table: touched fraction, free energy and "
        "excluded solid angle, area and volume with errors from the batches. Every position "
        "runs k batches of n tours."),
    Row::with_default<&PermOptions::theta_count>(
        "tnnumber of theta values (sweep)",
        "Number of equally spaced values for the polar angle of the probe, including the two "
        "poles; 0 or less: chosen from the distance, as in korvi."),
    Row::with_default<&PermOptions::phi_count>(
        "pnnumber of phi values (sweep)",
        "Number of equally spaced values for the azimuth of the probe; 0 or less: chosen from "
        "the distance and polar angle, as in korvi."),
    Row::of<&PermOptions::first, &FirstSphere::shift>(
        "Snshift (in x) of lattice while the walks grow (sweep)",
        "In the sweep the first sphere is placed by -S, -R and -D as korvi's generation of "
        "walks places it by -s, -r and -d; -S defaults to -s, -R and -D to 0."),
    Row::of<&PermOptions::first, &FirstSphere::radius>("Rnradius of first sphere (sweep)",
                                                       "0: no first sphere."),
    Row::of<&PermOptions::first, &FirstSphere::distance>("Dndistance of first sphere (sweep)",
                                                         "x position of its centre."),
    Row::of<&PermOptions::threads>(
        "jnthreads (sweep)",
        "Positions are independent and run on this many threads; by default on every processor "
        "the process may use. The table does not depend on it."),
    Row::of<&PermOptions::output_prefix>(
        "osprefix of output files (sweep)",
        "The table goes to PREFIX.tsv and gnuplot draws the free-energy profile to PREFIX.svg; "
        "without -o the table goes to standard output."),
    Row::of<&PermOptions::share>(
        "cssweep share k/m (sweep)",
        "Runs share k of m of the sweep's work and writes it to PREFIX.k-of-m.share (-o), so "
        "that m processes, on one machine or the nodes of a cluster, share a sweep. Every share "
        "needs the same options, the seed -i among them."),
    Row::of<&PermOptions::merge>(
        "unjoin m shares (sweep)",
        "Reads PREFIX.1-of-m.share ... PREFIX.m-of-m.share (-o) and writes the table and "
        "picture of the whole sweep, the same as one run writes; the other options are read "
        "from the shares."),
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
    PermOptions options = kTable.read(values, defaults(start_seed));
    options.seed_given = values[kPermSeedSlot] != 0;
    if (values[kPermFirstShiftSlot] == 0) options.first.shift = options.shift;
    return options;
}

void set_perm_help_defaults(std::int64_t* values, int start_seed) {
    kTable.show_defaults(values, defaults(start_seed));
}
