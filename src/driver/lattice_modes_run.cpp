// Runs on a read lattice: the lattice read and placed (while an evaluation's
// walk file is read beside it), then walks generated or evaluated.
#include <cstdio>

#include "cli/file_names.h"
#include "driver/runs.h"
#include "sweep/early_walk_scan.h"
#include "sweep/placed_lattice.h"

bool run_lattice_modes(const Settings& settings, std::size_t walk_budget) {
    const std::unique_ptr<EarlyWalkScan> early_walks = start_early_walk_scan(settings, walk_budget);
    if (!settings.lattice_file) {
        std::fputs("No lattice file given (option -l)!\n", stderr);
        return false;
    }
    char name[kFileNameSize];
    if (!build_file_name(settings.lattice_file, "jkl", 0, name)) return false;
    PlacedLattice lattice;
    if (!place_lattice(name, settings.shift, settings.radius > 0.0f, settings.verbose, lattice))
        return false;
    if (settings.extension > 0) return run_generate_walks(settings, lattice);
    return run_evaluate(settings, lattice, walk_budget, early_walks.get());
}
