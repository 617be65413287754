// The probe sweep against exact enumerations: every walk of about 10 steps
// around a first sphere is listed with its weight, and at every position of
// the grid the exact free fraction is the weight of the walks that visit no
// vertex the full sphere exclusion marks for the probe, over the weight of
// all. Every row of the estimated profile must agree with the exact one
// within its errors, with z-scores whose spread is that of honest errors.
// The pieces also must not depend on the number of threads.
#include "perm/probe_sweep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

#include "perm/sweep_profile.h"
#include "perm/sweep_sampling.h"
#include "support/exact_sums.h"
#include "support/generated_lattice.h"
#include "support/lattices.h"
#include "support/z_scores.h"
#include "sweep/placed_lattice.h"
#include "walks/exclusion.h"

namespace {

struct Case {
    const char* name;
    LatticeSetup first;  // the lattice as the walks grow, with the first sphere
    GridSettings grid;   // the probe's sweep
    WalkParameters parameters;
    int steps;
};

const Case kCases[] = {
    {"diamond, uniform", {0, 7, 5.0f, 5.0f, 0.0f}, {5.0f, 2.5f, -10.5f, 0, 0}, {}, 10},
    {"diamond, repulsion and torsion",
     {0, 7, 5.0f, 5.0f, 0.0f},
     {5.0f, 2.5f, -10.5f, 0, 0},
     {1.5f, 2.0f, 0.8f},
     10},
    {"simple cubic, attraction and torsion, probe frame shifted",
     {1, 5, 3.0f, 3.0f, 0.0f},
     {3.5f, 2.0f, -8.0f, 0, 0},
     {-1.0f, 3.0f, 0.5f},
     8},
};

// The lattice placed as the probe sweeps, with the probe's sphere entry,
// made in memory.
struct SweepFrame {
    explicit SweepFrame(const LatticeSetup& first, float shift)
        : lattice({first.type, first.shells, shift}), probe(0.0f, 0.0f, 0.0f) {
        placed.lattice = lattice.entry;
        placed.file_name = "generated";
        placed.prepared = lattice.prepared;
        placed.sphere = probe.entry;
        placed.sphere_atom = probe.centre;
    }
    GeneratedLattice lattice;
    TestSphere probe;
    PlacedLattice placed;
};

// The exact pieces: every batch of target q holds ln of the exact
// Z_N(first sphere and probe at position q), so that their profile is the
// exact one with errors 0.
SweepPieces exact_pieces(const Case& c, const SweepGrid& grid, int batches) {
    GeneratedLattice first(c.first);
    std::map<std::vector<int>, double> walks;
    const double z = exact_sums(first.prepared, c.parameters, c.steps, &walks)[c.steps];
    std::vector<double> z_probe{z};
    SweepFrame frame(c.first, c.grid.shift);
    grid.walk([&](const GridPoint& step) {
        if (!step.position) return true;
        frame.placed.put_sphere(step.probe.x, step.probe.y, step.probe.z);
        EXPECT_TRUE(Xltocc(frame.placed.lattice, nullptr, 1, &frame.placed.sphere,
                           kOccupancyFreeFirst, c.grid.radius));
        double free = 0.0;
        for (const auto& [numbers, weight] : walks) {
            bool touched = false;
            for (std::size_t k = 1; k < numbers.size(); ++k)
                touched =
                    touched || !(frame.lattice.prepared.table[numbers[k] - 1]->occupancy < 1.0f);
            if (!touched) free += weight;
        }
        z_probe.push_back(free);
        return true;
    });
    SweepPieces pieces(static_cast<int>(z_probe.size()) - 1, batches);
    for (int q = 0; q < pieces.targets(); ++q)
        for (int b = 0; b < batches; ++b) {
            pieces.at(q, b).state = PieceState::kSampled;
            pieces.at(q, b).log_z = std::log(z_probe[static_cast<std::size_t>(q)]);
        }
    return pieces;
}

// The sampler's pieces of the case.
SweepPieces sampled_pieces(const Case& c, const SweepGrid& grid, const ProbeSweepSettings& s,
                           int threads) {
    GeneratedLattice first(c.first);
    const SamplingLattice lattice(first.prepared);
    const StepWeights weights(lattice, c.parameters);
    SweepFrame frame(c.first, c.grid.shift);
    std::vector<std::vector<std::int32_t>> obstacles;
    EXPECT_TRUE(probe_obstacles(grid, frame.placed, c.grid.radius, false, obstacles));
    SweepPieces pieces(static_cast<int>(obstacles.size()) - 1, s.batches);
    settle_exact_positions(lattice, obstacles, s.steps, pieces);
    sample_pieces(lattice, weights, s, obstacles, Share{}, threads, pieces);
    return pieces;
}

ProbeSweepSettings settings_of(const Case& c, long long tours, long long seed) {
    ProbeSweepSettings s;
    s.grid = c.grid;
    s.first = {c.first.shift, c.first.radius, c.first.distance};
    s.steps = c.steps;
    s.parameters = c.parameters;
    s.tours_per_batch = tours;
    s.batches = 20;
    s.seed = seed;
    return s;
}

// Compares one estimate with its exact value: a z-score where it has an
// error, equality where it has none (positions beyond the walks' reach),
// counted in *exactly.
void compare(const Estimate& estimate, const Estimate& exact, Scores& scores, int* exactly,
             const char* what) {
    if (std::isnan(exact.value)) return;  // does not apply to the row
    if (std::isinf(exact.value)) {
        EXPECT_EQ(estimate.value, exact.value) << what;
        ++*exactly;
        return;
    }
    if (estimate.error == 0.0) {
        EXPECT_NEAR(estimate.value, exact.value, 1e-9 * (1.0 + std::abs(exact.value))) << what;
        ++*exactly;
        return;
    }
    const double z = (estimate.value - exact.value) / estimate.error;
    EXPECT_LT(std::abs(z), 5.0) << what << ": exact " << exact.value << ", estimate "
                                << estimate.value << " +- " << estimate.error;
    scores.add(z);
}

}  // namespace

TEST(ProbeSweep, EveryRowAgreesWithExactEnumerationWithinItsErrors) {
    Scores scores;
    int exactly = 0;  // numbers without error, equal to the exact ones
    long long seed = 300;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const SweepGrid grid(c.grid);
        for (int run = 0; run < 2; ++run) {
            const ProbeSweepSettings s = settings_of(c, 100, seed++);
            SweepTally exact_tally, tally;
            const std::vector<ProfileRow> exact =
                sweep_profile(grid, s, exact_pieces(c, grid, s.batches), exact_tally);
            const std::vector<ProfileRow> rows =
                sweep_profile(grid, s, sampled_pieces(c, grid, s, 2), tally);
            ASSERT_EQ(rows.size(), exact.size());
            for (std::size_t i = 0; i < rows.size(); ++i) {
                const RowEstimates &e = rows[i].weighted, &x = exact[i].weighted;
                compare(e.touched, x.touched, scores, &exactly, "touched");
                compare(e.free_energy, x.free_energy, scores, &exactly, "free energy");
                compare(e.solid_angle, x.solid_angle, scores, &exactly, "solid angle");
                compare(e.area, x.area, scores, &exactly, "area");
                compare(e.volume, x.volume, scores, &exactly, "volume");
                EXPECT_TRUE(std::isnan(rows[i].counted.touched.value));
            }
        }
    }
    std::printf("%d rows' numbers compared by z-score, rms %.3f; %d exact\n", scores.count,
                scores.rms(), exactly);
    EXPECT_GE(scores.rms(), 0.8);
    EXPECT_LE(scores.rms(), 1.3);
}

TEST(ProbeSweep, PiecesDoNotDependOnTheNumberOfThreads) {
    const Case& c = kCases[1];
    const SweepGrid grid(c.grid);
    const ProbeSweepSettings s = settings_of(c, 20, 9);
    const SweepPieces one = sampled_pieces(c, grid, s, 1);
    for (int threads : {2, 4}) {
        const SweepPieces more = sampled_pieces(c, grid, s, threads);
        for (long i = 0; i < one.count(); ++i) {
            EXPECT_EQ(more[i].state, one[i].state);
            EXPECT_EQ(more[i].log_z, one[i].log_z) << threads << " threads, piece " << i;
            EXPECT_EQ(more[i].walks, one[i].walks);
            EXPECT_EQ(more[i].steps, one[i].steps);
        }
    }
}
TEST(ProbeSweep, TheRatioOfMeansIsUnbiasedWithinItsErrorEvenForSmallBatches) {
    // One position close to the origin, 400 independent runs of 20 batches
    // of 3 tours: the mean z-score of x and of -ln x must be 0 within 4
    // standard errors of a mean of 400 (0.2); a bias of the order of the
    // error itself would show.
    Case c = kCases[1];
    c.grid = {5.0f, 2.5f, 10.0f, 1, 1};
    const SweepGrid grid(c.grid);
    const std::vector<ProfileRow> exact = [&] {
        SweepTally t;
        return sweep_profile(grid, settings_of(c, 3, 1), exact_pieces(c, grid, 20), t);
    }();
    double z_free = 0.0, z_energy = 0.0;
    const int runs = 400;
    for (int run = 0; run < runs; ++run) {
        const ProbeSweepSettings s = settings_of(c, 3, 1000 + run);
        SweepTally tally;
        const ProfileRow row = sweep_profile(grid, s, sampled_pieces(c, grid, s, 1), tally)[0];
        z_free += (row.weighted.touched.value - exact[0].weighted.touched.value) /
                  row.weighted.touched.error;
        z_energy += (row.weighted.free_energy.value - exact[0].weighted.free_energy.value) /
                    row.weighted.free_energy.error;
    }
    std::printf("x = %.6g (-ln x %g): mean z of 1 - x %.3f, of -ln x %.3f over %d runs\n",
                1.0 - exact[0].weighted.touched.value, exact[0].weighted.free_energy.value,
                z_free / runs, z_energy / runs, runs);
    EXPECT_LT(std::abs(z_free / runs), 0.2);
    EXPECT_LT(std::abs(z_energy / runs), 0.2);
}
