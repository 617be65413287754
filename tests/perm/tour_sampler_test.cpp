// Tours on hand-made and generated lattices: the torsion reference and the
// interaction on a path where every weight is known, obstacles, the walks
// handed over and the counts of the outer shell. That a sampler carries
// nothing from one batch to the next is checked by the run's tests.
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

// On a path every tour grows the one walk, whose weight is known exactly.
TEST(PermTours, OnAPathTheWeightsOfTheOneWalkAreKnownAtEveryLength) {
    const double g = std::exp(-double{0.7f});
    // Torsion: vertex 3 stands 1 from the origin (no reference), 4 stands 1
    // from vertex 1 (gauche), 5 far from 2 (trans), 6 stands 1 from 3 (gauche).
    // Interaction: the vertices entered at distances d = 1, 2, 3 each weigh
    // exp(-2 e^(-d / 1.5)), the origin (d = 0.5) nothing. The last vertex of a path has one edge
    // and cannot be entered.
    const std::vector<double> torsion = {1, 1, 1, 1, g, g, g * g};
    std::vector<double> interaction = {1};
    for (float d : {1.0f, 2.0f, 3.0f})
        interaction.push_back(interaction.back() * std::exp(-2.0 * std::exp(-d / 1.5)));
    struct Case {
        PathLattice path;
        WalkParameters parameters;
        std::vector<double> z;  // 0: no walk of that length
        double tolerance;       // relative
    };
    const Case cases[] = {
        {{{0, 10, 20, 1, 11, 30, 2, 50}}, {0.0f, 0.0f, 0.7f}, torsion, 1e-12},
        {{{0, 1, 2, 3, 4}, {0.5f, 1.0f, 2.0f, 3.0f}}, {2.0f, 1.5f, 0.0f}, interaction, 1e-12},
        {{{0, 1, 2, 3}}, {}, {1, 1, 1, 0}, 0.0},
    };
    for (const Case& c : cases) {
        const SamplingLattice lattice(c.path.prepared);
        const StepWeights weights(lattice, c.parameters);
        const int steps = static_cast<int>(c.z.size()) - 1;
        TourSampler sampler(lattice, weights, steps);
        Xoshiro256 random(1);
        const BatchSums sums = sampler.run_batch(50, 0, random, {});
        for (int n = 0; n <= steps; ++n) {
            EXPECT_NEAR(std::exp(sums.log_z(n)), c.z[n], c.tolerance * c.z[n]) << n;
        }
        EXPECT_EQ(sums.walks[steps], c.z.back() > 0.0 ? 50 : 0)
            << "one walk per tour: nothing to prune or enrich";
    }
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
