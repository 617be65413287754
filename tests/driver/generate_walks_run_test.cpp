// Walks written by the generate-walks run, read back and checked against
// the lattice they were grown on. The transcripts pin the walks of a seed
// as records and as structures, quiet and verbose.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <set>
#include <sstream>
#include <string>

#include "lattice/neighbours.h"
#include "structure/model.h"
#include "support/files.h"
#include "support/run_korvi.h"
#include "sweep/placed_lattice.h"
#include "walks/walk_file.h"
#include "walks/walk_record.h"

namespace {

std::string without_comments(const std::string& text) {
    std::istringstream lines(text);
    std::string kept, line;
    while (std::getline(lines, line)) {
        if (line[0] != '#') kept += line + "\n";
    }
    return kept;
}

// A diamond lattice of six shells, and runs on it with a sphere of radius 3
// placed 4 from the origin.
class GeneratedWalks : public testing::Test {
protected:
    GeneratedWalks() { run_korvi_in(dir.path(), {"-g6", "-b0"}); }
    void korvi(std::initializer_list<std::string> words, const char* out = "stdout") {
        std::vector<std::string> args{"-l", "ldmd_6", "-s4", "-r3"};
        args.insert(args.end(), words);
        run_korvi(dir.path(), args, dir / out, dir / "stderr");
    }
    TempDir dir;
};

}  // namespace

TEST_F(GeneratedWalks, AreSelfAvoidingWalksAlongEdgesOutsideTheSphereThatTheSeedChooses) {
    korvi({"-d0", "-e30", "-n200", "-i11", "walks"});
    // The lattice as the run placed it, marked by its first sphere (radius 3).
    PlacedLattice run;
    ASSERT_TRUE(place_lattice((dir / "ldmd_6.jkl").c_str(), 4.0f, true, false, run));
    ASSERT_TRUE(exclude_sphere(run, 3.0f, false));
    std::FILE* fp = std::fopen((dir / "walks.lwk").c_str(), "r");
    int walks = 0;
    while (WalkRecord* walk = Xrdlwk(fp)) {
        EXPECT_EQ(std::string(walk->name), "wlk" + std::to_string(++walks));
        ASSERT_EQ(walk->nvertices, 31);
        EXPECT_EQ(walk->numbers[0], 1);
        std::set<int> seen{1};
        for (int i = 1; i < walk->nvertices; ++i) {
            const int number = walk->numbers[i];
            ASSERT_TRUE(number >= 1 && number <= run.prepared.n) << number;
            const Atom* vertex = run.prepared.table[number - 1];
            bool stepped = false;  // along an edge from the previous vertex
            for_each_neighbour(
                vertex, [&](const Atom* u) { stepped |= u->serial == walk->numbers[i - 1]; });
            EXPECT_TRUE(stepped) << walk->name << " step " << i;
            EXPECT_TRUE(seen.insert(number).second) << walk->name << " revisits " << number;
            EXPECT_LT(vertex->occupancy, 1.0f) << walk->name << " enters the sphere at " << number;
            EXPECT_GE(bond_count(vertex), 2) << walk->name << " enters a dead end at " << number;
        }
        std::free(walk);
    }
    std::fclose(fp);
    EXPECT_EQ(walks, 200);
    std::free(run.prepared.table);
    Qdlntr(run.sphere, nullptr);
    Qdlntr(run.lattice, nullptr);

    // Another seed grows other walks (the transcripts pin those of one seed).
    korvi({"-d0", "-e30", "-n200", "-i12", "other"});
    EXPECT_NE(without_comments(read_file(dir / "other.lwk")),
              without_comments(read_file(dir / "walks.lwk")));
}
