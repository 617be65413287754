// korvi-stats' weighted values against exact enumerations: walks that korvi's
// generator grew with interaction and torsion weights, weighted by replaying
// their growth (generalized Rosenbluth weights), agree as z-scores with the
// Boltzmann averages over every walk, which korvi-stats reads from the walks'
// weight lines.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "base/format.h"
#include "base/output_capture.h"
#include "base/random.h"
#include "structure/model.h"
#include "support/exact_sums.h"
#include "support/files.h"
#include "support/run_korvi.h"
#include "support/stats_table.h"
#include "support/z_scores.h"
#include "sweep/placed_lattice.h"
#include "walks/generation.h"
#include "walks/walk_file.h"
#include "walks/walk_record.h"
#include "walks/weight_lines.h"

namespace fs = std::filesystem;

namespace {

struct Case {
    const char* lattice;  // made by korvi -g<shells> -b<type>
    std::vector<std::string> make;
    float shift, radius, distance;  // the first sphere
    int steps;
    WalkParameters params;
    std::vector<std::string> sweep;  // the probe's options
};

// The values of the *_w columns of a table, by row (numbered within its
// kind), kind and column.
std::map<std::string, double> weighted_values(const std::string& text) {
    std::map<std::string, double> values;
    for (const auto& [kind, rows] : stats_table::read_table(text).rows)
        for (std::size_t i = 0; i < rows.size(); ++i)
            for (const auto& [column, field] : rows[i])
                if (column.find("_w") != std::string::npos)
                    values[std::to_string(i) + " " + kind + " " + column] = std::stod(field);
    return values;
}

class ExactWeights : public testing::Test {
protected:
    // The lattice placed and marked as the generating run marks it.
    void place(const Case& s) {
        OutputCapture quiet;  // the lattice reader's count line
        ASSERT_TRUE(place_lattice((dir / (std::string(s.lattice) + ".jkl")).c_str(), s.shift, true,
                                  false, lattice));
        lattice.put_sphere(s.distance, 0.0f, 0.0f);
        ASSERT_TRUE(exclusion_counts(lattice, s.radius, false));
    }

    void TearDown() override {
        if (lattice.lattice) release_lattice(lattice);
    }

    // Every walk with its Boltzmann weight in a weight line, each its own tour.
    int write_every_walk(const Case& s, const fs::path& out) {
        std::map<std::vector<int>, double> each;
        exact_sums(lattice.prepared, s.params, s.steps, &each);
        WalkRecord* walk = Xnslwk(s.steps + 1);
        walk->nvertices = s.steps + 1;
        std::FILE* fp = std::fopen(out.c_str(), "w");
        long long tour = 0;
        for (const auto& [numbers, weight] : each) {
            std::snprintf(walk->name, sizeof walk->name, "all%lld", tour + 1);
            for (int k = 0; k <= s.steps; ++k) walk->numbers[k] = numbers[k];
            walk->params[0] = s.params.strength;
            walk->params[1] = s.params.range;
            walk->params[2] = s.params.gauche_energy;
            Xwrlwk(fp, walk, weight_comment(std::log(weight), tour++).c_str());
        }
        std::fclose(fp);
        std::free(walk);
        return static_cast<int>(tour);
    }

    // `count` walks grown by the generator with the walks' parameters.
    void grow_walks(const Case& s, int seed, int count, const fs::path& out) {
        OutputCapture quiet;  // dead ends near the origin are reported
        const float params[3] = {s.params.strength, s.params.range, s.params.gauche_energy};
        WalkRecord* walk = Xnslwk(s.steps + 1);
        std::FILE* fp = std::fopen(out.c_str(), "w");
        Bsrand(seed);
        for (int written = 0; written < count;) {
            if (!Xltsaw(lattice.lattice, lattice.prepared.origin, s.steps, params, walk)) continue;
            std::snprintf(walk->name, sizeof walk->name, "wlk%d", ++written);
            Xwrlwk(fp, walk, nullptr);
        }
        std::fclose(fp);
        std::free(walk);
    }

    std::string stats(const Case& s, const char* walks, bool generation) {
        std::vector<std::string> args = {"-l", s.lattice};
        args.insert(args.end(), s.sweep.begin(), s.sweep.end());
        if (generation)
            args.insert(args.end(), {formatted("-S%g", static_cast<double>(s.shift)),
                                     formatted("-R%g", static_cast<double>(s.radius)),
                                     formatted("-D%g", static_cast<double>(s.distance))});
        args.push_back(walks);
        run_program(KORVI_STATS_BINARY, dir.path(), args, dir / "stats.out", dir / "stats.err");
        return read_file(dir / "stats.out");
    }

    TempDir dir;
    PlacedLattice lattice;
};

// z = (sample - exact) / error over every row's weighted values but the mean
// free energy of a polar angle, which averages over the positions where the
// sample saw a free walk, a set that may differ from the exact one.
void add_z_scores(const std::map<std::string, double>& sample,
                  const std::map<std::string, double>& exact, Scores& z) {
    for (const auto& [key, value] : sample) {
        if (!key.ends_with("_w") || key.find(" theta free_energy") != std::string::npos) continue;
        const double error = sample.at(key + "_err"), truth = exact.at(key);
        if (std::isfinite(value) && std::isfinite(truth) && std::isfinite(error) && error > 0.0)
            z.add((value - truth) / error);
    }
}

}  // namespace

TEST_F(ExactWeights, WalksGrownWithInteractionAndTorsionWeightsAgreeWithTheExactAverages) {
    const Case cases[] = {
        // Repelled from the first sphere, gauche placements disfavoured.
        {.lattice = "ldmd_6",
         .make = {"-g6", "-b0"},
         .shift = 3.0f,
         .radius = 2.0f,
         .distance = 0.0f,
         .steps = 7,
         .params = {1.5f, 2.0f, 2.5f},
         .sweep = {"-s3", "-r1.6", "-d6", "-t3", "-p4"}},
        // Drawn to it, placements within gauche distance favoured.
        {.lattice = "lsc_4",
         .make = {"-g4", "-b1"},
         .shift = 2.0f,
         .radius = 2.0f,
         .distance = 0.0f,
         .steps = 6,
         .params = {-1.0f, 1.5f, -1.5f},
         .sweep = {"-s2", "-r1.6", "-d-7", "-t3", "-p4"}},
    };
    Scores z;
    for (const Case& s : cases) {
        run_program(KORVI_BINARY, dir.path(), s.make, dir / "korvi.out", dir / "korvi.err");
        place(s);
        ASSERT_GT(write_every_walk(s, dir / "every.lwk"), 1000);
        const std::map<std::string, double> exact = weighted_values(stats(s, "every", false));
        for (int seed = 1; seed <= 10; ++seed) {
            grow_walks(s, seed, 4000, dir / "grown.lwk");
            add_z_scores(weighted_values(stats(s, "grown", true)), exact, z);
        }
        release_lattice(lattice);
        lattice = PlacedLattice{};
    }
    EXPECT_GT(z.count, 300);
    EXPECT_GT(z.rms(), 0.8);
    EXPECT_LT(z.rms(), 1.3);
}
