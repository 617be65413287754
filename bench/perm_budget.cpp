// What one core of korvi-perm's sampler does in a fixed CPU time: walks of N
// steps from the origin of a diamond lattice around a first sphere of radius
// 5 touching it (-s5 -r5 -d0, no energies), 20 batches of tours that fill the
// budget; prints the steps per second and the relative error of Z_N, with
// n_eff and the walks that reached the lattice's outer shell.
//
//   perm_budget [SECONDS]               N = 100, 300, 1000 on 70, 130, 200
//                                       shells; 60 s each by default, about
//                                       4 minutes and 3.5 GB at the peak
//   perm_budget SECONDS STEPS SHELLS    one length
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <vector>

#include "base/output_capture.h"
#include "lattice/enumeration.h"
#include "lattice/generation.h"
#include "perm/batch_estimates.h"
#include "perm/tour_sampler.h"
#include "structure/elements.h"
#include "structure/model.h"
#include "walks/exclusion.h"
#include "walks/sampling_lattice.h"
#include "walks/step_weights.h"

namespace {

constexpr int kBatches = 20;
constexpr std::uint64_t kSeed = 2025;
constexpr float kRadius = 5.0f;  // the first sphere's, and the lattice shift

double cpu_seconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// The diamond lattice of `shells` shells placed and marked as "-s5 -r5 -d0"
// marks it, in the sampler's arrays; the structure model is released.
std::unique_ptr<SamplingLattice> diamond_around_sphere(int shells) {
    Entry* entry = nullptr;
    {
        OutputCapture quiet;  // generation prints its time and a summary
        const float points[6] = {0, 0, 0, -1, 0, 0};
        entry = Xltgen(0, points, shells, nullptr, Qbdlen(6, 6));
    }
    if (!entry) return nullptr;
    const PreparedLattice prepared = prepare_lattice(entry, kRadius, false);
    Entry* sphere = Qnsntr(nullptr);
    Qnsatm(&sphere->atoms);  // at the coordinate origin
    Xltocc(entry, nullptr, 1, &sphere, kOccupancyFreeFirst, kRadius);
    auto lattice = std::make_unique<SamplingLattice>(prepared);
    std::free(prepared.table);
    Qdlntr(sphere, nullptr);
    Qdlntr(entry, nullptr);
    return lattice;
}

void run(double budget, int steps, int shells) {
    const double setup_start = cpu_seconds();
    const std::unique_ptr<SamplingLattice> lattice = diamond_around_sphere(shells);
    if (!lattice) {
        std::printf("N = %d: a diamond lattice of %d shells could not be generated\n", steps,
                    shells);
        return;
    }
    const double setup = cpu_seconds() - setup_start;
    const StepWeights weights(*lattice, {});
    TourSampler sampler(*lattice, weights, steps);

    // A pilot run, doubled until it takes a second, gives the time per tour.
    long long pilot = 1;
    double per_tour = 0.0;
    for (std::uint64_t stream = 1000;; ++stream, pilot *= 2) {
        Xoshiro256 random = random_stream(kSeed, stream);
        const double start = cpu_seconds();
        sampler.run_batch(pilot, 0, random, {});
        const double spent = cpu_seconds() - start;
        if (spent >= 1.0) {
            per_tour = spent / static_cast<double>(pilot);
            break;
        }
    }
    const auto tours = std::max(1LL, std::llround(budget / kBatches / per_tour));

    std::vector<BatchSums> batches;
    long long placed = 0, outer = 0, walks = 0;
    const double start = cpu_seconds();
    for (int b = 0; b < kBatches; ++b) {
        Xoshiro256 random = random_stream(kSeed, static_cast<std::uint64_t>(b));
        batches.push_back(sampler.run_batch(tours, b * tours, random, {}));
        placed += batches.back().steps;
        outer += batches.back().outer_shell_walks;
        walks += batches.back().walks.back();
    }
    const double spent = cpu_seconds() - start;
    const LengthEstimate last = combine_batches(batches).back();
    // The error falls as one over the square root of the time spent.
    const double at_budget = last.error * std::sqrt(spent / budget);
    std::printf("N = %4d, diamond %d shells (%d vertices, set-up %.0f s): %d x %lld tours in "
                "%.1f s of CPU, %.3g steps/s; ln Z_N = %.4f +- %.4f; relative error of Z_N "
                "after %.0f s: %.2g; n_eff %.0f of %lld walks; outer shell reached by %lld\n",
                steps, shells, lattice->size(), setup, kBatches, tours, spent,
                static_cast<double>(placed) / spent, last.log_z, last.error, budget, at_budget,
                effective_walks(batches), walks, outer);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const double budget = argc > 1 ? std::atof(argv[1]) : 60.0;
    if (!(budget > 0.0)) {
        std::fputs("usage: perm_budget [SECONDS [STEPS SHELLS]]\n", stderr);
        return 2;
    }
    if (argc == 4) {
        run(budget, std::atoi(argv[2]), std::atoi(argv[3]));
        return 0;
    }
    for (auto [steps, shells] : {std::pair{100, 70}, {300, 130}, {1000, 200}})
        run(budget, steps, shells);
    return 0;
}
