// Evaluate mode: opens the walk file and sweeps the probe sphere.
#include <cstdio>
#include <cstring>

#include "base/stream_buffer.h"
#include "cli/file_names.h"
#include "driver/evaluation_sweep.h"
#include "driver/indexed_scorer.h"
#include "driver/lattice_run.h"
#include "driver/runs.h"
#include "walks/scoring.h"

namespace {

constexpr std::size_t kWalkFileBuffer = std::size_t{1} << 18;

std::size_t g_walk_budget = default_walk_budget();

}  // namespace

void set_walk_budget(std::size_t bytes) {
    g_walk_budget = bytes;
}

std::unique_ptr<EarlyWalkScan> start_early_walk_scan(const Settings& settings) {
    if (settings.extension > 0 || !settings.walk_file || settings.mab || settings.radius <= 0.0f ||
        g_walk_budget == 0)
        return nullptr;
    // The name as run_evaluate builds it; one that does not fit is refused
    // there, with its message.
    char name[2 * kFileNameSize];
    if (std::strlen(settings.walk_file) >= kFileNameSize ||
        !Bfil_ext(settings.walk_file, "lwk", 0, name) || std::strlen(name) >= kFileNameSize)
        return nullptr;
    return std::make_unique<EarlyWalkScan>(name, g_walk_budget);
}

bool run_evaluate(const Settings& settings, const LatticeRun& run, EarlyWalkScan* early) {
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

    SweepSettings sweep;
    sweep.shift = settings.shift;
    sweep.radius = settings.radius;
    sweep.distance = settings.distance;
    sweep.theta_count = settings.theta_count;
    sweep.phi_count = settings.phi_count;
    sweep.verbose = settings.verbose != 0;
    bool completed = run_sweep(sweep, *choose_scorer(run, walks, settings.mab, settings.radius,
                                                     settings.verbose, g_walk_budget, early));
    if (walks) std::fclose(walks);
    return completed;
}
