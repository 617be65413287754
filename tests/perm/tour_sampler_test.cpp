// Tours on hand-made and generated lattices: the torsion reference and the
// interaction on a path where every weight is known, obstacles, the walks
// handed over and the counts of the outer shell.
#include "perm/tour_sampler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "support/generated_lattice.h"
#include "support/hand_lattices.h"

namespace {

// Every walk handed over by one batch.
struct Delivered {
    std::vector<long long> tours;
    std::vector<double> log_weights;
    std::vector<std::vector<std::int32_t>> walks;
    WalkCallback callback() {
        return [this](const FinishedWalk& w) {
            tours.push_back(w.tour);
            log_weights.push_back(w.log_weight);
            walks.emplace_back(w.vertices.begin(), w.vertices.end());
        };
    }
};

void expect_same(const BatchSums& a, const BatchSums& b) {
    EXPECT_EQ(a.tours, b.tours);
    EXPECT_EQ(a.log_scale, b.log_scale);
    EXPECT_EQ(a.ratio_sum, b.ratio_sum);
    EXPECT_EQ(a.walks, b.walks);
    EXPECT_EQ(a.final_square_sum, b.final_square_sum);
    EXPECT_EQ(a.steps, b.steps);
}

constexpr LatticeSetup kSmallDiamond{0, 4, 5.0f, 5.0f, 0.0f};

}  // namespace

TEST(PermTours, TorsionStartsWithTheFourthVertexAndNeverLooksBackToTheOrigin) {
    // Vertex 3 stands 1 from the origin (no reference), 4 stands 1 from
    // vertex 1 (gauche), 5 far from 2 (trans), 6 stands 1 from 3 (gauche).
    PathLattice path({0, 10, 20, 1, 11, 30, 2, 50}, {});
    const SamplingLattice lattice(path.prepared);
    const StepWeights weights(lattice, {0.0f, 0.0f, 0.7f});
    TourSampler sampler(lattice, weights, 6);
    Xoshiro256 random(1);
    const BatchSums sums = sampler.run_batch(50, 0, random, {});
    const double g = std::exp(-double{0.7f});
    const double exact[] = {1, 1, 1, 1, g, g, g * g};
    for (int n = 0; n <= 6; ++n) EXPECT_NEAR(std::exp(sums.log_z(n)), exact[n], 1e-12) << n;
    EXPECT_EQ(sums.walks[6], 50) << "one walk per tour: nothing to prune or enrich";
}

TEST(PermTours, InteractionWeighsEachEnteredVertexButNotTheOrigin) {
    PathLattice path({0, 1, 2, 3, 4}, {0.5f, 1.0f, 2.0f, 3.0f});
    const SamplingLattice lattice(path.prepared);
    const StepWeights weights(lattice, {2.0f, 1.5f, 0.0f});
    TourSampler sampler(lattice, weights, 3);
    Xoshiro256 random(2);
    const BatchSums sums = sampler.run_batch(10, 0, random, {});
    double z = 1.0;
    for (int n = 1; n <= 3; ++n) {
        z *= std::exp(-2.0 * std::exp(-lattice.charge(n) / 1.5));
        EXPECT_NEAR(std::exp(sums.log_z(n)), z, 1e-12 * z) << n;
    }
}

TEST(PermTours, AWalkThatCannotGrowGivesNoWalksOfThatLength) {
    PathLattice path({0, 1, 2, 3}, {});
    const SamplingLattice lattice(path.prepared);
    const StepWeights weights(lattice, {});
    TourSampler sampler(lattice, weights, 3);
    Xoshiro256 random(3);
    const BatchSums sums = sampler.run_batch(5, 0, random, {});
    EXPECT_EQ(std::exp(sums.log_z(2)), 1.0);
    EXPECT_EQ(sums.log_z(3), -INFINITY) << "the last vertex has one edge";
    EXPECT_EQ(sums.walks[3], 0);
}

TEST(PermTours, ObstaclesBlockLikeSphereMarksAndAreReplacedAsAWholeButNeverTheOrigin) {
    GeneratedLattice generated(kSmallDiamond);
    const SamplingLattice lattice(generated.prepared);
    const StepWeights weights(lattice, {1.0f, 2.0f, 0.5f});
    std::vector<std::int32_t> obstacles{lattice.origin()};
    for (int v = 3; v < lattice.size(); v += 7) obstacles.push_back(v);
    TourSampler sampler(lattice, weights, 7);
    sampler.set_obstacles({{5, 6, 9}});  // replaced below
    sampler.set_obstacles(obstacles);
    Delivered with;
    Xoshiro256 random(4);
    const BatchSums blocked = sampler.run_batch(200, 0, random, with.callback());

    for (std::int32_t v : obstacles) {
        if (v != lattice.origin()) generated.prepared.table[v]->occupancy = kVertexOccupied;
    }
    const SamplingLattice marked(generated.prepared);
    const StepWeights marked_weights(marked, {1.0f, 2.0f, 0.5f});
    TourSampler plain(marked, marked_weights, 7);
    Delivered without;
    Xoshiro256 again(4);
    expect_same(blocked, plain.run_batch(200, 0, again, without.callback()));
    EXPECT_EQ(with.walks, without.walks);
    EXPECT_EQ(with.log_weights, without.log_weights);
    EXPECT_GT(with.walks.size(), 100u);
}

TEST(PermTours, WalksComeInTourOrderSelfAvoidingAndCarryTheBatchSum) {
    // Three shells: walks of six steps often reach the outer shell.
    GeneratedLattice generated({0, 3, 5.0f, 5.0f, 0.0f});
    const SamplingLattice lattice(generated.prepared);
    const StepWeights weights(lattice, {-1.0f, 2.0f, 0.3f});
    TourSampler sampler(lattice, weights, 6);
    Delivered d;
    Xoshiro256 random(5);
    const BatchSums sums = sampler.run_batch(400, 1000, random, d.callback());
    ASSERT_EQ(static_cast<long long>(d.walks.size()), sums.walks[6]);
    double total = 0.0;
    long long outer = 0;
    for (std::size_t i = 0; i < d.walks.size(); ++i) {
        const std::vector<std::int32_t>& walk = d.walks[i];
        ASSERT_EQ(walk.size(), 7u);
        EXPECT_EQ(walk[0], lattice.origin());
        EXPECT_GE(d.tours[i], i ? d.tours[i - 1] : 1000);
        EXPECT_LT(d.tours[i], 1400);
        EXPECT_EQ(std::set<std::int32_t>(walk.begin(), walk.end()).size(), walk.size());
        bool on_outer = false;
        for (std::size_t k = 1; k < walk.size(); ++k) {
            const auto next = lattice.neighbours(walk[k - 1]);
            EXPECT_NE(std::find(next.begin(), next.end(), walk[k]), next.end());
            EXPECT_TRUE(lattice.enterable(walk[k]));
            on_outer = on_outer || lattice.on_outer_shell(walk[k]);
        }
        outer += on_outer;
        total += std::exp(d.log_weights[i]);
    }
    EXPECT_NEAR(total / 400, std::exp(sums.log_z(6)), 1e-12 * total);
    EXPECT_EQ(sums.outer_shell_walks, outer);
    EXPECT_GT(outer, 0);
    EXPECT_GE(sums.outer_shell_steps, outer);
}

TEST(PermTours, TheSameStreamGivesTheSameBatchBitForBit) {
    GeneratedLattice generated(kSmallDiamond);
    const SamplingLattice lattice(generated.prepared);
    const StepWeights weights(lattice, {});
    TourSampler first(lattice, weights, 9), second(lattice, weights, 9);
    Delivered a, b;
    Xoshiro256 r1 = random_stream(8, 2), r2 = random_stream(8, 2);
    first.run_batch(30, 0, r1, {});  // a sampler carries nothing from one batch to the next
    Xoshiro256 r3 = random_stream(8, 2);
    expect_same(first.run_batch(100, 0, r3, a.callback()), second.run_batch(100, 0, r2, b.callback()));
    EXPECT_EQ(a.walks, b.walks);
    EXPECT_EQ(a.log_weights, b.log_weights);
}
