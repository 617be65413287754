// korvi-perm run end to end on lattices korvi made: Z_n against exact
// enumeration of every walk, and the walk file against the table, read by the
// walk readers of the other programs (the walks themselves are checked in the
// sampler's tests).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/output_capture.h"
#include "support/exact_sums.h"
#include "support/files.h"
#include "support/run_korvi.h"
#include "support/z_scores.h"
#include "sweep/placed_lattice.h"
#include "walks/walk_file.h"
#include "walks/walk_record.h"
#include "walks/weight_lines.h"

namespace fs = std::filesystem;

namespace {

// Where the walks start and what weighs them.
struct RunSetup {
    const char* lattice;  // file name, in the suite's folder
    float shift, radius, distance;
    WalkParameters parameters;
    int steps;

    std::vector<std::string> options() const {
        char text[256];
        std::snprintf(text, sizeof text, "-l %s -s%g -r%g -d%g -A%g -L%g -E%g -e%d", lattice,
                      static_cast<double>(shift), static_cast<double>(radius),
                      static_cast<double>(distance), static_cast<double>(parameters.strength),
                      static_cast<double>(parameters.range),
                      static_cast<double>(parameters.gauche_energy), steps);
        std::vector<std::string> words;
        std::istringstream split(text);
        for (std::string word; split >> word;) words.push_back(word);
        return words;
    }
};

const RunSetup kSetups[] = {
    {"ldmd_6.jkl", 5.0f, 5.0f, 0.0f, {}, 9},
    {"ldmd_6.jkl", 5.0f, 5.0f, 0.0f, {1.5f, 2.0f, 0.8f}, 9},
    {"lsc_4.jkl", 0.0f, 0.0f, 0.0f, {0.0f, 0.0f, 0.5f}, 7},
};

// What a run printed: ln Z_n and its error by n, and the header's numbers.
struct Table {
    std::vector<double> log_z, error;
    long long tours = 0, walks = 0, written = 0;
    double written_effective = 0.0;  // n_eff of the walks written
};

Table read_table(const std::string& text) {
    Table table;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        long long a = 0, b = 0;
        double f = 0.0;
        if (std::sscanf(line.c_str(), "# seed %*d: %*d batches of %*d tours, %lld tours", &a) == 1)
            table.tours = a;
        if (std::sscanf(line.c_str(),
                        "# walks of %*d steps: %lld, n_eff %*f; written to %*s %lld, n_eff %lf", &a,
                        &b, &f) >= 1) {
            table.walks = a;
            table.written = b;
            table.written_effective = f;
        }
        if (line.empty() || line[0] == '#') continue;
        std::istringstream row(line);
        int n = 0;
        std::string log_z, error;
        row >> n >> log_z >> error;
        EXPECT_EQ(n, static_cast<int>(table.log_z.size())) << line;
        table.log_z.push_back(std::stod(log_z));
        table.error.push_back(std::stod(error));
    }
    return table;
}

// The lattice of a set-up placed and marked as korvi-perm marks it.
struct MarkedLattice {
    PlacedLattice placed;
    explicit MarkedLattice(const fs::path& file, const RunSetup& s) {
        OutputCapture quiet;  // the reader's count line
        EXPECT_TRUE(place_lattice(file.c_str(), s.shift, s.radius > 0.0f, false, placed));
        if (s.radius > 0.0f) {
            placed.put_sphere(s.distance, 0.0f, 0.0f);
            EXPECT_TRUE(exclusion_counts(placed, s.radius, false));
        }
    }
    ~MarkedLattice() { release_lattice(placed); }
};

class KorviPerm : public testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = std::make_unique<TempDir>();
        for (const char* shells : {"-g6", "-g4"})
            run_program(KORVI_BINARY, dir->path(), {shells, shells[2] == '6' ? "-b0" : "-b1"},
                        *dir / "korvi.out", *dir / "korvi.err");
    }

    // Runs korvi-perm with the set-up's options and the words given; its
    // standard error stays in perm.err.
    static Table perm(const RunSetup& setup, const std::vector<std::string>& words) {
        std::vector<std::string> args = setup.options();
        args.insert(args.end(), words.begin(), words.end());
        run_program(KORVI_PERM_BINARY, dir->path(), args, *dir / "perm.out", *dir / "perm.err");
        return read_table(read_file(*dir / "perm.out"));
    }

    static std::vector<double> exact(const RunSetup& setup) {
        MarkedLattice marked(*dir / setup.lattice, setup);
        return exact_sums(marked.placed.prepared, setup.parameters, setup.steps);
    }

    static inline std::unique_ptr<TempDir> dir;  // removed at the program's end
};

}  // namespace

TEST_F(KorviPerm, PartitionSumsAgreeWithExactEnumerationWithinTheirErrors) {
    // Ten seeds per set-up, each compared at half and at full length.
    Scores scores;
    for (const RunSetup& setup : kSetups) {
        const std::vector<double> z = exact(setup);
        for (int seed = 1; seed <= 10; ++seed) {
            const Table table = perm(setup, {"-n200", "-k10", "-i" + std::to_string(seed)});
            ASSERT_EQ(table.log_z.size(), z.size()) << read_file(*dir / "perm.err");
            EXPECT_EQ(table.tours, 2000);
            for (int n : {(setup.steps + 1) / 2, setup.steps}) {
                const double estimate = std::exp(table.log_z[n]);
                const double error = table.error[n] * estimate;
                ASSERT_GT(error, 0.0) << setup.lattice << " n " << n;
                const double zscore = (estimate - z[n]) / error;
                EXPECT_LT(std::abs(zscore), 4.0) << setup.lattice << " n " << n << ": exact "
                                                 << z[n] << ", estimate " << estimate;
                scores.add(zscore);
            }
        }
    }
    std::printf("%d partition sums compared, rms z %.3f\n", scores.count, scores.rms());
    EXPECT_GE(scores.rms(), 0.8);
    EXPECT_LE(scores.rms(), 1.3);
}

TEST_F(KorviPerm, WalkFilesHoldTheWalksOfTheRunWhoseWeightsAddUpToTheEstimate) {
    const RunSetup& setup = kSetups[1];
    for (const char* per_tour : {"-w0", "-w1"}) {
        const Table table = perm(setup, {"-n100", "-k5", "-i3", per_tour, "walks"});
        const bool thinned = std::string(per_tour) == "-w1";
        std::FILE* fp = std::fopen((*dir / "walks.lwk").c_str(), "r");
        ASSERT_TRUE(fp) << read_file(*dir / "perm.err");
        const WeightLines lines = read_weight_lines(fp);
        std::rewind(fp);
        double sum = 0.0, square = 0.0;
        int count = 0;
        std::set<long long> tours;
        for (WalkRecord* walk; (walk = Xrdlwk(fp)); std::free(walk), ++count) {
            ASSERT_LT(count, lines.weighted);
            EXPECT_EQ(std::string(walk->name), "wlk" + std::to_string(count + 1));
            EXPECT_EQ(walk->nvertices, setup.steps + 1);
            EXPECT_EQ(walk->params[0], setup.parameters.strength);
            EXPECT_EQ(walk->params[1], setup.parameters.range);
            EXPECT_EQ(walk->params[2], setup.parameters.gauche_energy);
            EXPECT_EQ(walk->numbers[0], 1);
            const std::size_t i = static_cast<std::size_t>(count);
            if (i > 0) {
                EXPECT_GE(lines.tours[i], lines.tours[i - 1]) << "tours in file order";
            }
            if (thinned) {
                EXPECT_TRUE(tours.insert(lines.tours[i]).second) << "one walk per tour";
            }
            sum += std::exp(lines.log_weights[i]);
            square += std::exp(2.0 * lines.log_weights[i]);
        }
        std::fclose(fp);
        EXPECT_EQ(count, lines.weighted);
        EXPECT_EQ(count, table.written);
        if (!thinned) {
            EXPECT_EQ(count, table.walks);
        }
        // All of a tour's walks, or one carrying their sum: the mean over the
        // tours is the estimate itself.
        EXPECT_NEAR(std::log(sum / static_cast<double>(table.tours)), table.log_z.back(), 1e-6);
        EXPECT_NEAR(sum * sum / square, table.written_effective, 0.05);
    }
}
