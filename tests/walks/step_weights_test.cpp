// Step weights: the gauche test at 3.24 and the check for weights that are not
// finite. The interaction's weights are checked against exact enumerations
// in the samplers' tests and by hand in the Rosenbluth weights' tests; the
// message for weights that are not finite shows in korvi-perm's transcripts.
#include "walks/step_weights.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/hand_lattices.h"

TEST(PermStepWeights, TheGaucheFactorAppliesBelow324FromTheReferenceOnly) {
    PathLattice line({0.0f, 2.93f, 3.24f, 3.86f, 3.2399f}, {1.0f, 2.0f});
    const SamplingLattice lattice(line.prepared);
    const StepWeights weights(lattice, {0.0f, 0.0f, 0.8f});
    EXPECT_TRUE(weights.has_torsion());
    EXPECT_TRUE(weights.gauche(1, 0));
    EXPECT_FALSE(weights.gauche(2, 0)) << "exactly 3.24 is trans";
    EXPECT_FALSE(weights.gauche(3, 0));
    EXPECT_TRUE(weights.gauche(4, 0));
    EXPECT_DOUBLE_EQ(weights.weight(1, 0), std::exp(-double{0.8f}));
    EXPECT_EQ(weights.weight(3, 0), 1.0);
    EXPECT_EQ(weights.weight(1, -1), 1.0) << "no reference, no torsion";
    const StepWeights both(lattice, {1.0f, 1.0f, -0.5f});
    EXPECT_DOUBLE_EQ(both.weight(1, 0), std::exp(-std::exp(-2.0)) * std::exp(0.5));
}

TEST(PermStepWeights, WeightsThatOverflowAreReportedAsNotFinite) {
    PathLattice line({0.0f, 1.0f, 2.0f}, {1.0f, 2.0f, 3.0f});
    const SamplingLattice lattice(line.prepared);
    EXPECT_TRUE(StepWeights(lattice, {-10.0f, 12.0f, 3.0f}).finite());
    EXPECT_FALSE(StepWeights(lattice, {-10000.0f, 1.0f, 0.0f}).finite());
    EXPECT_FALSE(StepWeights(lattice, {0.0f, 0.0f, -1000.0f}).finite());
    // A negative distance makes the exponent grow with the distance.
    EXPECT_FALSE(StepWeights(lattice, {-1.0f, -0.001f, 0.0f}).finite());

}
