// Evaluate mode: opens the walk file and sweeps the probe sphere.
#include <cstdio>
#include <string>

#include "base/stream_buffer.h"
#include "cli/file_names.h"
#include "cli/progress.h"
#include "driver/runs.h"
#include "sweep/early_walk_scan.h"
#include "sweep/indexed_scorer.h"
#include "sweep/placed_lattice.h"
#include "walks/scoring.h"

constexpr std::size_t kWalkFileBuffer = std::size_t{1} << 18;

std::unique_ptr<EarlyWalkScan> start_early_walk_scan(const Settings& settings,
                                                     std::size_t walk_budget) {
    if (settings.extension > 0 || !settings.walk_file || settings.mab || settings.radius <= 0.0f ||
        walk_budget == 0)
        return nullptr;
    // The name as run_evaluate builds it; one that does not fit is refused
    // there, with its message.
    const std::string name = with_extension(settings.walk_file, "lwk", 0);
    if (name.size() >= static_cast<std::size_t>(kFileNameSize)) return nullptr;
    return std::make_unique<EarlyWalkScan>(name.c_str(), walk_budget);
}

bool run_evaluate(const Settings& settings, PlacedLattice& lattice, std::size_t walk_budget,
                  EarlyWalkScan* early) {
    if (!settings.walk_file) return false;
    if (settings.radius <= 0.0f) {
        std::fprintf(stderr, "The evaluation needs a probe radius greater than 0 (-r), got %f!\n",
                     static_cast<double>(settings.radius));
        return false;
    }
    char name[kFileNameSize];
    if (!build_file_name(settings.walk_file, settings.mab ? "mab" : "lwk", 0, name)) return false;
    // A walk file that cannot be opened is no error: no position has a result.
    std::FILE* walks = std::fopen(name, "r");
    // The file is read through many times (or once, whole): large reads.
    StreamBuffer buffer(walks, kWalkFileBuffer);
    Xlwkhit(static_cast<const WalkRecord*>(nullptr), 0);

    const SweepGrid grid(settings);
    const std::unique_ptr<PositionScorer> scorer = choose_scorer(
        lattice, walks, settings.mab, settings.radius, settings.verbose, walk_budget, early);
    bool completed = run_sweep(grid, *scorer, settings.verbose, sweep_progress());
    if (walks) std::fclose(walks);
    return completed;
}
