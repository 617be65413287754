// The evaluation sweep scored from memory, phase by phase, in a fresh process
// per run: lattice set-up, walk file read, scorer construction, the sweep and
// the scorer's end, in milliseconds; the fastest of the runs for each phase.
// Usage: sweep_phases runs lattice shift radius distance walk-file.lwk
// (theta and phi counts 0, as the reference sweep of bench/run.sh).
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "cli/line_buffers.h"
#include "sweep/evaluation_sweep.h"
#include "sweep/indexed_scorer.h"
#include "sweep/placed_lattice.h"
#include "sweep/walk_ensemble.h"

namespace {

constexpr int kPhases = 5;
constexpr const char* kPhaseNames[kPhases] = {"lattice", "walk file", "scorer", "sweep",
                                              "scorer end"};

using Clock = std::chrono::steady_clock;

double milliseconds(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// One run with standard output sent to /dev/null; the phase times into times.
bool run_once(char** argv, double* times) {
    const int null_fd = open("/dev/null", O_WRONLY);
    if (null_fd < 0 || dup2(null_fd, 1) < 0) return false;
    buffer_output_by_line();
    Clock::time_point t[kPhases + 1];
    t[0] = Clock::now();
    PlacedLattice lattice;
    const std::string lattice_file = std::string(argv[2]) + ".jkl";
    if (!place_lattice(lattice_file.c_str(), std::strtof(argv[3], nullptr), true, false, lattice)) {
        std::fputs("sweep_phases: no lattice\n", stderr);
        return false;
    }
    t[1] = Clock::now();
    std::FILE* walks = std::fopen(argv[6], "r");
    if (!walks) {
        std::fputs("sweep_phases: no walk file\n", stderr);
        return false;
    }
    std::unique_ptr<WalkEnsemble> ensemble =
        read_walk_ensemble(walks, false, lattice.prepared.n, default_walk_budget());
    if (!ensemble) {
        std::fputs("sweep_phases: no ensemble\n", stderr);
        return false;
    }
    t[2] = Clock::now();
    GridSettings grid;
    grid.shift = std::strtof(argv[3], nullptr);
    grid.radius = std::strtof(argv[4], nullptr);
    grid.distance = std::strtof(argv[5], nullptr);
    grid.theta_count = 0;
    grid.phi_count = 0;
    {
        auto scorer =
            std::make_unique<IndexedScorer>(lattice, std::move(ensemble), grid.radius, false);
        t[3] = Clock::now();
        if (!run_sweep(SweepGrid(grid), *scorer, false)) return false;
        std::fflush(stdout);
        t[4] = Clock::now();
    }
    t[5] = Clock::now();
    for (int p = 0; p < kPhases; ++p) times[p] = milliseconds(t[p], t[p + 1]);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 7) {
        std::fputs("usage: sweep_phases runs lattice shift radius distance walk-file\n", stderr);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    double best[kPhases];
    std::fill(best, best + kPhases, 1e300);
    for (int r = 0; r < runs; ++r) {
        int channel[2];
        if (pipe(channel) != 0) return 1;
        const pid_t pid = fork();
        if (pid == 0) {
            close(channel[0]);
            double times[kPhases];
            const bool done = run_once(argv, times);
            if (done && write(channel[1], times, sizeof times) != sizeof times) _exit(1);
            _exit(done ? 0 : 1);
        }
        close(channel[1]);
        double times[kPhases];
        const bool got = read(channel[0], times, sizeof times) == sizeof times;
        close(channel[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        if (!got) {
            std::fputs("sweep_phases: a run failed\n", stderr);
            return 1;
        }
        for (int p = 0; p < kPhases; ++p) best[p] = std::min(best[p], times[p]);
    }
    for (int p = 0; p < kPhases; ++p) std::printf("%-10s %8.3f ms\n", kPhaseNames[p], best[p]);
    return 0;
}
