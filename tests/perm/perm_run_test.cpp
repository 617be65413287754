// The sampler against exact enumerations of every walk: partition sums at
// several lengths and set-ups, and the weight each walk of full length
// carries, compared by z-scores whose spread must be that of errors honestly
// estimated.
#include "perm/perm_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

#include "exact_sums.h"
#include "generated_lattice.h"
#include "perm/sampling_lattice.h"
#include "perm/step_weights.h"

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

// z-score of an estimate ln Z +- error against the exact Z; NaN when the
// estimate is exact (no spread between batches).
double z_score(const LengthEstimate& e, double exact) {
    const double estimate = std::exp(e.log_z);
    return (estimate - exact) / (e.error * estimate);
}

}  // namespace

TEST(PermRun, PartitionSumsAgreeWithExactEnumerationWithinTheirErrors) {
    double square = 0.0;
    int compared = 0;
    std::uint64_t seed = 11;
    for (const Case& c : kCases) {
        GeneratedLattice generated(c.setup);
        const SamplingLattice lattice(generated.prepared);
        const StepWeights weights(lattice, c.parameters);
        const std::vector<double> exact = exact_sums(generated.prepared, c.parameters, c.steps);
        PermSettings settings;
        settings.steps = c.steps;
        settings.tours_per_batch = 2000;
        settings.seed = seed++;
        const PermResult result = run_perm(lattice, weights, settings);
        for (int n = 1; n <= c.steps; ++n) {
            const double z = z_score(result.z[n], exact[n]);
            std::printf("%-45s n=%2d exact %12.6g estimate %12.6g +- %.2e  z %+.2f\n", c.name, n,
                        exact[n], std::exp(result.z[n].log_z), result.z[n].error, z);
            if (std::isnan(z)) continue;
            square += z * z;
            ++compared;
        }
    }
    const double rms = std::sqrt(square / compared);
    std::printf("%d compared, rms z %.3f\n", compared, rms);
    EXPECT_GE(rms, 0.8);
    EXPECT_LE(rms, 1.3);
}
