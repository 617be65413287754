// Weighted walk files: a tour's walks thinned to a few chosen by weight, which
// keep the weight sums unbiased. The layout of the file, every walk after its
// weight line, is pinned by the transcripts' walk files and by korvi-perm's
// end-to-end test, which also checks the n_eff of the walks written.
#include "perm/weighted_walk_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "support/hand_lattices.h"
#include "support/memory_stream.h"
#include "walks/weight_lines.h"

namespace {

struct Handed {
    long long tour;
    double log_weight;
    std::vector<std::int32_t> vertices;
};

// What a WeightedWalkFile on a path of five vertices writes for the walks of
// two steps handed to it, and its n_eff.
struct Written {
    std::string text;
    double effective = 0.0;
};

Written write_walks(const std::vector<Handed>& walks, int per_tour, std::uint64_t seed) {
    PathLattice path({0.0f, 1.5f, 3.0f, 4.5f, 6.0f});
    const SamplingLattice lattice(path.prepared);
    Written result;
    result.text = written([&](std::FILE* fp) {
        WeightedWalkFile file(fp, lattice, {0.5f, 2.0f, -1.0f}, 2, per_tour, seed, "");
        for (const Handed& w : walks) file.take({w.tour, w.log_weight, w.vertices});
        file.finish();
        result.effective = file.effective_walks();
    });
    return result;
}

WeightLines weight_lines(const std::string& text) {
    return reading(text, read_weight_lines);
}

}  // namespace

TEST(WeightedWalkFile, AThinnedTourKeepsItsHeaviestWalkAndSpreadsTheRestOfItsWeight) {
    // Weights 4, 1, 1, 1, 1 with two to keep: the first has probability 1 and
    // keeps its weight 4; one of the others (probability 1/4 each) carries
    // 1 / (1/4) = 4. The tour's sum stays 8; the one walk of tour 2 stays as it is.
    for (std::uint64_t seed : {1, 2, 3}) {
        const Written w = write_walks({{1, std::log(4.0), {0, 1, 2}},
                                       {1, 0.0, {1, 2, 3}},
                                       {1, 0.0, {2, 3, 4}},
                                       {1, 0.0, {1, 2, 3}},
                                       {1, 0.0, {2, 3, 4}},
                                       {2, -0.5, {0, 1, 2}}},
                                      2, seed);
        const WeightLines lines = weight_lines(w.text);
        ASSERT_EQ(lines.log_weights.size(), 3u);
        EXPECT_NEAR(lines.log_weights[0], std::log(4.0), 1e-15);
        EXPECT_NEAR(lines.log_weights[1], std::log(4.0), 1e-15);
        EXPECT_EQ(lines.log_weights[2], -0.5);
        EXPECT_EQ(lines.tours, (std::vector<long long>{1, 1, 2}));
        EXPECT_NE(w.text.find("wlk1\t3\n0.500000\t2.000000\t-1.000000\n1\t6\t2\t6\t3\t6\n"),
                  std::string::npos);
        EXPECT_NE(w.text.find("wlk3\t3"), std::string::npos);
    }
}

TEST(WeightedWalkFile, OneWalkPerTourIsChosenInProportionToItsWeight) {
    // Every tour holds walks of weights 3, 2 and 1 (times e^800, beyond what
    // exp() of the logarithms could hold); each tour's walk is chosen with its
    // own random numbers and carries the tour's sum 6.
    const int tours = 6000;
    std::vector<Handed> walks;
    const std::vector<std::vector<std::int32_t>> paths{{0, 1, 2}, {1, 2, 3}, {2, 3, 4}};
    for (int t = 0; t < tours; ++t) {
        for (int j = 0; j < 3; ++j)
            walks.push_back({t, 800.0 + std::log(3.0 - j), paths[static_cast<std::size_t>(j)]});
    }
    const Written w = write_walks(walks, 1, 42);
    const WeightLines lines = weight_lines(w.text);
    ASSERT_EQ(lines.log_weights.size(), static_cast<std::size_t>(tours));
    for (double l : lines.log_weights) EXPECT_NEAR(l, 800.0 + std::log(6.0), 1e-12);
    EXPECT_NEAR(w.effective, tours, 1e-6 * tours);
    // Which walk: told by its first vertex number, on the line after the parameters.
    double chosen[3] = {};
    for (std::size_t at = w.text.find("\t-1.000000\n"); at != std::string::npos;
         at = w.text.find("\t-1.000000\n", at + 1))
        chosen[w.text[at + 11] - '1'] += 1.0;
    for (int j = 0; j < 3; ++j) {
        const double p = (3.0 - j) / 6.0;
        const double z = (chosen[j] - tours * p) / std::sqrt(tours * p * (1.0 - p));
        EXPECT_LT(std::abs(z), 4.0) << "walk " << j << " chosen " << chosen[j] << " times";
    }
}
