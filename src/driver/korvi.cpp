// Start-up of korvi: output streams, banner, options, help or the run of the
// chosen mode (after the lattice for the modes on one), and the elapsed time
// of a completed run. A refused number ends the run before anything else.
#include "driver/korvi.h"

#include "cli/lattice_option.h"
#include "cli/line_buffers.h"
#include "cli/option_parser.h"
#include "cli/progress.h"
#include "driver/korvi_options.h"
#include "driver/runs.h"
#include "sweep/early_walk_scan.h"
#include "sweep/placed_lattice.h"

#include <cstdio>
#include <ctime>

namespace {

constexpr const char* kDescription =
    "calculates lattice walk models. It can generate lattices, enumerate walks, and evaluate "
    "ensembles of walks. It is resricted to the geometry of two spheres. At the first sphere the "
    "walks are attached (PEG chains), the second sphere represents is the probe (held at "
    "distance by the PEG chains).\n\n";

void print_help(int argc, char** argv, std::int64_t* values, int start_seed) {
    set_help_defaults(values, start_seed);
    std::fputs("\nKorvi ", stderr);
    Bprt_wrap(kDescription, 78, 2, 7, stderr);
    const KorviOptionTable& options = korvi_options();
    Bclnp(-argc, argv, options.count(), options.entries(), options.long_texts(), values);
}

// Reads and places the lattice (while an evaluation's walk file is read
// beside it), then generates walks or evaluates them.
bool run_lattice_modes(const Settings& settings, std::size_t walk_budget) {
    const std::unique_ptr<EarlyWalkScan> early_walks = start_early_walk_scan(settings, walk_budget);
    PlacedLattice lattice;
    if (!place_named_lattice(settings.lattice_file, settings.shift, settings.radius > 0.0f,
                             settings.verbose, lattice))
        return false;
    if (settings.extension > 0) return run_generate_walks(settings, lattice);
    return run_evaluate(settings, lattice, walk_budget, early_walks.get());
}

// -g wins over everything, -w over -e.
bool run_chosen_mode(const Settings& settings, std::size_t walk_budget) {
    if (settings.shells != 0) return run_generate_lattice(settings);
    if (settings.convert) return run_convert(settings);
    return run_lattice_modes(settings, walk_budget);
}

}  // namespace

int korvi_main(int argc, char** argv, std::size_t walk_budget) {
    buffer_output_by_line();
    progress_setup();
    std::fprintf(stderr, "Korvi %s", "14-aug-2022");
    auto start_seed = static_cast<int>(std::time(nullptr) % 2147483647);

    std::int64_t values[kOptionCount] = {};
    const KorviOptionTable& options = korvi_options();
    const int parsed =
        Bclnp(argc, argv, options.count(), options.entries(), options.long_texts(), values);
    if (parsed == kNumberRefused) return 0;  // its message says why; nothing is run
    if (parsed < 1) {
        print_help(argc, argv, values, start_seed);
        return 0;
    }
    Settings settings = read_settings(values, start_seed, argc, argv);
    std::time_t begin = std::time(nullptr);
    bool completed = run_chosen_mode(settings, walk_budget);
    progress_end();
    if (completed)
        std::fprintf(stderr, "time: %d sec\n", static_cast<int>(std::time(nullptr) - begin));
    return 0;
}
