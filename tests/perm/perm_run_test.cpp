// Runs against exact enumerations of every walk: partition sums at several
// lengths and set-ups, and the weight each walk of full length carries,
// compared by z-scores whose spread must be that of honestly estimated
// errors; and runs that repeat themselves batch by batch.
#include "perm/perm_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

#include "support/exact_sums.h"
#include "support/z_scores.h"
#include "support/generated_lattice.h"
#include "walks/sampling_lattice.h"
#include "walks/step_weights.h"

namespace {

// A first sphere of radius 5 touching the origin, as in "-s5 -r5 -d0".
constexpr LatticeSetup kDiamondSphere{0, 7, 5.0f, 5.0f, 0.0f};

struct Case {
    const char* name;
    LatticeSetup setup;
    WalkParameters parameters;
    int steps;
};

const Case kCases[] = {
    {"diamond", {0, 5}, {}, 10},
    {"diamond, sphere", kDiamondSphere, {}, 10},
    {"diamond, sphere, repulsion, torsion", kDiamondSphere, {1.5f, 2.0f, 0.8f}, 10},
    {"diamond, sphere, attraction, trans penalty", kDiamondSphere, {-2.0f, 1.0f, -0.7f}, 9},
    {"simple cubic", {1, 4}, {}, 8},
    {"simple cubic, sphere, attraction, torsion", {1, 5, 3.0f, 3.0f, 0.0f}, {-1.0f, 3.0f, 0.5f}, 8},
    {"bcc, sphere, torsion", {2, 4, 4.0f, 3.5f, 0.0f}, {0.0f, 0.0f, 1.0f}, 6},
    {"fcc, sphere off the origin, repulsion", {3, 3, 3.0f, 2.5f, -1.0f}, {2.0f, 1.5f, 0.0f}, 5},
};

// Adds the z-score of an estimate against the exact Z, unless the batches
// agree exactly (as at the first steps, where no walk is pruned or
// enriched): then the estimate must be exact.
void compare(const LengthEstimate& e, double exact, Scores& scores, const char* what) {
    const double estimate = std::exp(e.log_z);
    if (e.error == 0.0) {
        EXPECT_NEAR(estimate, exact, 1e-12 * exact) << what;
        return;
    }
    const double z = (estimate - exact) / (e.error * estimate);
    EXPECT_LT(std::abs(z), 5.0) << what << ": exact " << exact << ", estimate " << estimate;
    scores.add(z);
}

PermSettings settings(int steps, long long tours, std::uint64_t seed) {
    PermSettings s;
    s.steps = steps;
    s.tours_per_batch = tours;
    s.seed = seed;
    return s;
}

}  // namespace

TEST(PermRun, PartitionSumsAndTheWeightOfEveryWalkAgreeWithExactEnumeration) {
    // Six independent runs per set-up, each compared at half and full length.
    Scores sums;
    std::uint64_t seed = 100;
    for (const Case& c : kCases) {
        GeneratedLattice generated(c.setup);
        const SamplingLattice lattice(generated.prepared);
        const StepWeights weights(lattice, c.parameters);
        const std::vector<double> exact = exact_sums(generated.prepared, c.parameters, c.steps);
        for (int run = 0; run < 6; ++run) {
            const PermResult result = run_perm(lattice, weights, settings(c.steps, 1000, seed++));
            for (int n : {(c.steps + 1) / 2, c.steps}) compare(result.z[n], exact[n], sums, c.name);
        }
    }

    // Each walk's weight estimated by what the walks written carry, per batch.
    Scores walks;
    GeneratedLattice generated(kDiamondSphere);
    const SamplingLattice lattice(generated.prepared);
    const WalkParameters parameters{1.5f, 2.0f, 0.8f};
    const StepWeights weights(lattice, parameters);
    std::map<std::vector<int>, double> exact;
    exact_sums(generated.prepared, parameters, 6, &exact);
    const PermSettings run = settings(6, 10000, 7);
    std::map<std::vector<int>, std::vector<double>> per_batch;
    run_perm(lattice, weights, run, {}, [&](const FinishedWalk& w) {
        std::vector<int> numbers;
        for (std::int32_t v : w.vertices) numbers.push_back(lattice.number(v));
        ASSERT_TRUE(exact.count(numbers)) << "a walk the enumeration does not know";
        std::vector<double>& batches = per_batch[numbers];
        batches.resize(static_cast<std::size_t>(run.batches), 0.0);
        batches[static_cast<std::size_t>(w.tour / run.tours_per_batch)] +=
            std::exp(w.log_weight) / static_cast<double>(run.tours_per_batch);
    });
    EXPECT_EQ(per_batch.size(), exact.size());
    for (auto& [numbers, batches] : per_batch) {
        double mean = 0.0, square = 0.0;
        for (double b : batches) mean += b / run.batches;
        for (double b : batches) square += (b - mean) * (b - mean);
        const double error = std::sqrt(square / (run.batches - 1) / run.batches);
        walks.add((mean - exact[numbers]) / error);
    }

    std::printf("partition sums: %d compared, rms z %.3f; walks: %d compared, rms z %.3f\n",
                sums.count, sums.rms(), walks.count, walks.rms());
    for (const Scores* s : {&sums, &walks}) {
        EXPECT_GE(s->rms(), 0.8);
        EXPECT_LE(s->rms(), 1.3);
    }
}

TEST(PermRun, TheSameSeedRepeatsTheRunAndEachBatchDependsOnItsOwnStreamAlone) {
    GeneratedLattice generated(kDiamondSphere);
    const SamplingLattice lattice(generated.prepared);
    const StepWeights weights(lattice, {1.0f, 3.0f, 0.4f});
    const PermSettings s = settings(12, 50, 21);
    std::vector<std::vector<std::int32_t>> first_walks, second_walks, batch_walks;
    std::vector<double> log_weights;
    const PermResult a = run_perm(lattice, weights, s, {}, [&](const FinishedWalk& w) {
        first_walks.emplace_back(w.vertices.begin(), w.vertices.end());
        log_weights.push_back(w.log_weight);
    });
    const PermResult b = run_perm(lattice, weights, s, {}, [&](const FinishedWalk& w) {
        second_walks.emplace_back(w.vertices.begin(), w.vertices.end());
    });
    EXPECT_EQ(first_walks, second_walks);
    for (std::size_t n = 0; n < a.z.size(); ++n) {
        EXPECT_EQ(a.z[n].log_z, b.z[n].log_z);
        EXPECT_EQ(a.z[n].error, b.z[n].error);
    }
    EXPECT_EQ(a.tours, 20 * 50);
    EXPECT_EQ(a.walks, static_cast<long long>(first_walks.size()));

    // Batch 3 run by itself, as another thread would, gives the same walks.
    std::vector<std::vector<std::int32_t>> in_run;
    run_perm(lattice, weights, s, {}, [&](const FinishedWalk& w) {
        if (w.tour / 50 == 3) in_run.emplace_back(w.vertices.begin(), w.vertices.end());
    });
    TourSampler alone(lattice, weights, 12);
    Xoshiro256 random = random_stream(21, 3);
    alone.run_batch(50, 150, random, [&](const FinishedWalk& w) {
        EXPECT_EQ(w.tour / 50, 3);
        batch_walks.emplace_back(w.vertices.begin(), w.vertices.end());
    });
    EXPECT_EQ(batch_walks, in_run);
    EXPECT_FALSE(in_run.empty());

    // n_eff of the walks handed over.
    double sum = 0.0, square = 0.0;
    for (double l : log_weights) {
        sum += std::exp(l);
        square += std::exp(2 * l);
    }
    EXPECT_NEAR(a.effective_walks, sum * sum / square, 1e-9 * a.effective_walks);
}
