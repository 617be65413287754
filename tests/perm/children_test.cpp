// Choosing distinct continuations: over a fine grid of the uniform deviate
// every candidate is chosen with its inclusion probability, never twice, and
// carries its weight over that probability.
#include "perm/children.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kGrid = 100000;

struct Tally {
    std::vector<double> chosen;  // fraction of the grid choosing each candidate
    std::vector<double> factor;  // the factor it carried (the same every time)
    int fewest = 1000, most = 0;
};

Tally tally(const std::vector<Candidate>& candidates, double expected) {
    Tally t;
    t.chosen.assign(candidates.size(), 0.0);
    t.factor.assign(candidates.size(), 0.0);
    std::vector<Child> out(candidates.size());
    for (int i = 0; i < kGrid; ++i) {
        const int count = choose_children(candidates, expected, (i + 0.5) / kGrid, out.data());
        t.fewest = std::min(t.fewest, count);
        t.most = std::max(t.most, count);
        std::vector<bool> seen(candidates.size(), false);
        for (int c = 0; c < count; ++c) {
            const auto j = static_cast<std::size_t>(out[c].vertex);
            EXPECT_FALSE(seen[j]) << "candidate " << j << " chosen twice";
            seen[j] = true;
            t.chosen[j] += 1.0 / kGrid;
            t.factor[j] = out[c].factor;
        }
    }
    return t;
}

}  // namespace

TEST(PermChildren, EqualImportancesShareTheExpectedNumberEvenly) {
    const std::vector<Candidate> three{{0, 1.0, 2.0}, {1, 1.0, 2.0}, {2, 1.0, 2.0}};
    const Tally t = tally(three, 1.5);
    for (int j = 0; j < 3; ++j) {
        EXPECT_NEAR(t.chosen[j], 0.5, 1e-4);
        EXPECT_DOUBLE_EQ(t.factor[j], 2.0);
    }
    EXPECT_EQ(t.fewest, 1);
    EXPECT_EQ(t.most, 2);
}

TEST(PermChildren, ProbabilitiesFollowImportanceAndThoseThatWouldPass1AreSure) {
    // Importances 6, 1, 1 with 2 expected: 6c >= 1, so the first is sure and
    // the other two share the remaining 1 (c = 1/2).
    const std::vector<Candidate> capped{{0, 3.0, 6.0}, {1, 1.0, 1.0}, {2, 0.5, 1.0}};
    const Tally t = tally(capped, 2.0);
    EXPECT_NEAR(t.chosen[0], 1.0, 1e-9);
    EXPECT_NEAR(t.chosen[1], 0.5, 1e-4);
    EXPECT_NEAR(t.chosen[2], 0.5, 1e-4);
    EXPECT_DOUBLE_EQ(t.factor[0], 3.0);
    EXPECT_DOUBLE_EQ(t.factor[2], 1.0);
    EXPECT_EQ(t.fewest, 2);
    EXPECT_EQ(t.most, 2);
    // Below one expected child: p_j = 0.4 importance_j / 5.
    const std::vector<Candidate> pruned{{0, 1.0, 4.0}, {1, 1.0, 1.0}};
    const Tally p = tally(pruned, 0.4);
    EXPECT_NEAR(p.chosen[0], 0.32, 1e-4);
    EXPECT_NEAR(p.chosen[1], 0.08, 1e-4);
    EXPECT_DOUBLE_EQ(p.factor[1], 12.5);
    EXPECT_EQ(p.fewest, 0);
    EXPECT_EQ(p.most, 1);
}

TEST(PermChildren, AsManyExpectedAsCandidatesTakesAllAndZeroImportanceNone) {
    const std::vector<Candidate> two{{0, 2.0, 1.0}, {1, 0.5, 3.0}};
    const Tally all = tally(two, 2.5);
    EXPECT_EQ(all.fewest, 2);
    EXPECT_DOUBLE_EQ(all.factor[0], 2.0);
    EXPECT_DOUBLE_EQ(all.factor[1], 0.5);
    const std::vector<Candidate> dead{{0, 0.0, 0.0}, {1, 1.0, 1.0}, {2, 1.0, 1.0}};
    const Tally t = tally(dead, 1.5);
    EXPECT_EQ(t.chosen[0], 0.0);
    EXPECT_NEAR(t.chosen[1], 0.75, 1e-4);
    EXPECT_NEAR(t.chosen[2], 0.75, 1e-4);
}
