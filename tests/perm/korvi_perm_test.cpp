// korvi-perm run end to end on a lattice korvi made: every walk of the walk
// file one that exact enumeration finds on the lattice placed and marked as
// the options say, and the walk file against the table it printed, read by
// the walk readers of the other programs. The estimates' agreement with exact
// enumeration is checked in perm_run_test.cpp.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "base/output_capture.h"
#include "support/exact_sums.h"
#include "support/files.h"
#include "support/run_korvi.h"
#include "sweep/placed_lattice.h"
#include "walks/walk_file.h"
#include "walks/walk_record.h"
#include "walks/weight_lines.h"

namespace {

// What a run printed: ln Z_N, and the header's numbers.
struct Table {
    double log_z = NAN;
    long long tours = 0, walks = 0, written = 0;
    double written_effective = 0.0;  // n_eff of the walks written
};

Table read_table(const std::string& text) {
    Table table;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        long long a = 0, b = 0;
        double e = 0.0;
        if (std::sscanf(line.c_str(), "# seed %*d: %*d batches of %*d tours, %lld tours", &a) == 1)
            table.tours = a;
        if (std::sscanf(line.c_str(),
                        "# walks of %*d steps: %lld, n_eff %*f; written to %*s %lld, n_eff %lf", &a,
                        &b, &e) == 3) {
            table.walks = a;
            table.written = b;
            table.written_effective = e;
        }
        if (!line.empty() && line[0] != '#') table.log_z = std::stod(line.substr(line.find('\t')));
    }
    return table;
}

}  // namespace

TEST(KorviPerm, WalkFilesHoldWalksOfTheMarkedLatticeWhoseWeightsAddUpToTheEstimate) {
    TempDir dir;
    run_korvi_in(dir.path(), {"-g6", "-b0"});
    // Every walk of 9 steps from the origin of the lattice shifted by 5,
    // outside a first sphere of radius 5 at x = 0.
    std::map<std::vector<int>, double> exact;
    {
        OutputCapture quiet;  // the reader's count line
        PlacedLattice placed;
        ASSERT_TRUE(place_lattice((dir / "ldmd_6.jkl").c_str(), 5.0f, true, false, placed));
        placed.put_sphere(0.0f, 0.0f, 0.0f);
        EXPECT_TRUE(exclusion_counts(placed, 5.0f, false));
        exact_sums(placed.prepared, {1.5f, 2.0f, 0.8f}, 9, &exact);
        release_lattice(placed);
    }
    for (const char* per_tour : {"-w0", "-w1"}) {
        run_program(KORVI_PERM_BINARY, dir.path(),
                    {"-l", "ldmd_6.jkl", "-s5", "-r5", "-d0", "-A1.5", "-L2", "-E0.8", "-e9",
                     "-n100", "-k5", "-i3", per_tour, "walks"},
                    dir / "perm.out", dir / "perm.err");
        const Table table = read_table(read_file(dir / "perm.out"));
        const bool thinned = std::string(per_tour) == "-w1";
        std::FILE* fp = std::fopen((dir / "walks.lwk").c_str(), "r");
        ASSERT_TRUE(fp) << read_file(dir / "perm.err");
        const WeightLines lines = read_weight_lines(fp);
        std::rewind(fp);
        double sum = 0.0, square = 0.0;
        int count = 0;
        std::set<long long> tours;
        for (WalkRecord* walk; (walk = Xrdlwk(fp)); std::free(walk), ++count) {
            ASSERT_LT(count, lines.weighted);
            EXPECT_EQ(std::string(walk->name), "wlk" + std::to_string(count + 1));
            EXPECT_EQ(walk->params[0], 1.5f);
            EXPECT_EQ(walk->params[1], 2.0f);
            EXPECT_EQ(walk->params[2], 0.8f);
            const std::vector<int> numbers(walk->numbers, walk->numbers + walk->nvertices);
            EXPECT_TRUE(exact.count(numbers))
                << walk->name << ": a walk the enumeration does not know";
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
        EXPECT_NEAR(std::log(sum / static_cast<double>(table.tours)), table.log_z, 1e-6);
        EXPECT_NEAR(sum * sum / square, table.written_effective, 0.05);
    }
}
