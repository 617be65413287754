// Growth constants of self-avoiding walks from korvi-perm's sampler: Z_N up
// to N = 300 on large lattices without a sphere, fitted to
// ln Z_N = a + N ln mu + (gamma - 1) ln N (+ a correction) with gamma = 1.1570,
// errors by deleting one batch at a time; beside them the steps per second of
// one core and how often walks reached the lattice's outer shell.
//
//   perm_growth                             all four lattices, under a minute each
//   perm_growth TYPE SHELLS STEPS TOURS     one lattice (0 diamond, 1 sc, 2 bcc, 3 fcc)
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "base/output_capture.h"
#include "lattice/enumeration.h"
#include "lattice/generation.h"
#include "perm/batch_estimates.h"
#include "walks/sampling_lattice.h"
#include "walks/step_weights.h"
#include "perm/tour_sampler.h"
#include "structure/elements.h"
#include "structure/model.h"

namespace {

constexpr double kGamma = 1.1570;
constexpr double kCorrectionExponent = 0.528;  // leading correction to scaling in three dimensions
constexpr int kBatches = 20;
constexpr std::uint64_t kSeed = 2024;

struct Lattice {
    int type;
    const char* name;
    int shells;
    int steps;
    long long tours;   // per batch
    double literature;  // 0: none given
};

constexpr Lattice kLattices[] = {
    {1, "simple cubic", 100, 300, 40000, 4.684040},
    {2, "bcc", 100, 300, 30000, 6.530520},
    {3, "fcc", 80, 300, 15000, 10.037075},
    {0, "diamond", 130, 300, 40000, 2.8790},
};

// One way of fitting: the columns besides 1 and N, and the first N used.
struct Fit {
    const char* name;
    int first;
    int corrections;  // 0: none, 1: b / N, 2: b N^-0.528
};

constexpr Fit kFits[] = {
    {"a + N ln mu + (g-1) ln N, N >= 100", 100, 0},
    {"... + b / N, N >= 50", 50, 1},
    {"... + b N^-0.528, N >= 50", 50, 2},
};

// Least squares of y on the columns of x (at most 3) by the normal equations,
// Gaussian elimination with partial pivoting; returns the coefficients.
std::vector<double> least_squares(const std::vector<std::vector<double>>& x, const std::vector<double>& y) {
    const std::size_t k = x[0].size();
    std::vector<std::vector<double>> a(k, std::vector<double>(k + 1, 0.0));
    for (std::size_t r = 0; r < y.size(); ++r) {
        for (std::size_t i = 0; i < k; ++i) {
            for (std::size_t j = 0; j < k; ++j) a[i][j] += x[r][i] * x[r][j];
            a[i][k] += x[r][i] * y[r];
        }
    }
    for (std::size_t c = 0; c < k; ++c) {
        std::size_t pivot = c;
        for (std::size_t r = c + 1; r < k; ++r) {
            if (std::abs(a[r][c]) > std::abs(a[pivot][c])) pivot = r;
        }
        std::swap(a[c], a[pivot]);
        for (std::size_t r = 0; r < k; ++r) {
            if (r == c) continue;
            const double f = a[r][c] / a[c][c];
            for (std::size_t j = c; j <= k; ++j) a[r][j] -= f * a[c][j];
        }
    }
    std::vector<double> b(k);
    for (std::size_t i = 0; i < k; ++i) b[i] = a[i][k] / a[i][i];
    return b;
}

// mu from the estimates ln Z_n, n = 0 ... N, by one fit.
double growth_constant(const std::vector<LengthEstimate>& z, const Fit& fit) {
    std::vector<std::vector<double>> x;
    std::vector<double> y;
    for (std::size_t n = static_cast<std::size_t>(fit.first); n < z.size(); ++n) {
        const double N = static_cast<double>(n);
        std::vector<double> row{1.0, N};
        if (fit.corrections == 1) row.push_back(1.0 / N);
        if (fit.corrections == 2) row.push_back(std::pow(N, -kCorrectionExponent));
        x.push_back(row);
        y.push_back(z[n].log_z - (kGamma - 1.0) * std::log(N));
    }
    return std::exp(least_squares(x, y)[1]);
}

// The fit on all batches and its delete-one-batch jackknife error.
void report_fit(const std::vector<BatchSums>& batches, const Fit& fit, double literature) {
    const double mu = growth_constant(combine_batches(batches), fit);
    std::vector<double> left_out;
    double mean = 0.0;
    for (std::size_t b = 0; b < batches.size(); ++b) {
        std::vector<BatchSums> rest;
        for (std::size_t c = 0; c < batches.size(); ++c) {
            if (c != b) rest.push_back(batches[c]);
        }
        left_out.push_back(growth_constant(combine_batches(rest), fit));
        mean += left_out.back() / static_cast<double>(batches.size());
    }
    double square = 0.0;
    for (double m : left_out) square += (m - mean) * (m - mean);
    const double count = static_cast<double>(batches.size());
    const double error = std::sqrt((count - 1.0) / count * square);
    std::printf("  %-36s mu = %.6f +- %.6f", fit.name, mu, error);
    if (literature > 0.0) {
        std::printf("  literature %.6f: %+.2e relative, %+.1f sigma", literature,
                    (mu - literature) / literature, (mu - literature) / error);
    }
    std::printf("\n");
}

void run(const Lattice& l) {
    const auto wall = std::chrono::steady_clock::now();
    Entry* entry = nullptr;
    {
        OutputCapture quiet;  // generation prints its time and a summary
        const float points[6] = {0, 0, 0, -1, 0, 0};
        entry = Xltgen(l.type, points, l.shells, nullptr, Qbdlen(6, 6));
    }
    if (!entry) {
        std::printf("%s: %d shells could not be generated\n", l.name, l.shells);
        return;
    }
    const PreparedLattice prepared = prepare_lattice(entry, 0.0f, false);
    const SamplingLattice lattice(prepared);
    const double generation =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count();
    const StepWeights weights(lattice, {});
    TourSampler sampler(lattice, weights, l.steps);
    std::vector<BatchSums> batches;
    long long steps = 0, outer_walks = 0, outer_steps = 0, walks = 0;
    const std::clock_t start = std::clock();
    for (int b = 0; b < kBatches; ++b) {
        Xoshiro256 random = random_stream(kSeed, static_cast<std::uint64_t>(b));
        batches.push_back(sampler.run_batch(l.tours, b * l.tours, random, {}));
        steps += batches.back().steps;
        outer_walks += batches.back().outer_shell_walks;
        outer_steps += batches.back().outer_shell_steps;
        walks += batches.back().walks.back();
    }
    const double cpu = static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    const std::vector<LengthEstimate> z = combine_batches(batches);
    std::printf("%s, %d shells, %d vertices (set-up %.1f s): N = %d, %d x %lld tours, "
                "%lld walks of full length\n",
                l.name, l.shells, lattice.size(), generation, l.steps, kBatches, l.tours, walks);
    std::printf("  %.3g steps in %.1f s of CPU: %.3g steps/s on one core; outer shell reached "
                "by %lld walks of full length and %lld steps\n",
                static_cast<double>(steps), cpu, static_cast<double>(steps) / cpu, outer_walks,
                outer_steps);
    std::printf("  ln Z_N = %.5f +- %.5f, n_eff %.0f\n", z.back().log_z, z.back().error,
                effective_walks(batches));
    for (const Fit& fit : kFits) report_fit(batches, fit, l.literature);
    std::fflush(stdout);
    std::free(prepared.table);
    Qdlntr(entry, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5) {
        const int type = std::atoi(argv[1]);
        double literature = 0.0;
        for (const Lattice& l : kLattices) {
            if (l.type == type) literature = l.literature;
        }
        const char* names[] = {"diamond", "simple cubic", "bcc", "fcc"};
        run({type, names[type & 3], std::atoi(argv[2]), std::atoi(argv[3]), std::atoll(argv[4]),
             literature});
        return 0;
    }
    for (const Lattice& l : kLattices) run(l);
    return 0;
}
