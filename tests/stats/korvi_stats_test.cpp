// korvi-stats run end to end beside korvi, on a simple cubic lattice of three
// shells with walks of six steps around a first sphere of radius 2. The
// weighted values and their errors are checked against exact enumeration in
// exact_weights_test.cpp, the jackknife replicates by hand in
// walk_blocks_test.cpp, and the comment line korvi cuts in
// generation_source_test.cpp.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "support/files.h"
#include "support/memory_stream.h"
#include "support/run_korvi.h"
#include "support/stats_table.h"
#include "walks/walk_file.h"
#include "walks/walk_record.h"
#include "walks/weight_lines.h"

namespace fs = std::filesystem;
using namespace stats_table;

namespace {

// The lattice lsc_3 and 200 walks in few.lwk, made once for all tests.
class KorviStats : public testing::Test {
protected:
    static void SetUpTestSuite() {
        dir = std::make_unique<TempDir>();
        korvi({"-g3", "-b1"});
        korvi({"-l", "lsc_3", "-s2", "-r2", "-d0", "-e6", "-n200", "-i5", "few"});
    }

    static void korvi(const std::vector<std::string>& args) {
        run_program(KORVI_BINARY, dir->path(), args, *dir / "korvi.out", *dir / "korvi.err");
    }

    // korvi's evaluation rows for a probe of radius 1.6 and the words given,
    // split at the tabs.
    static std::vector<std::vector<std::string>> korvi_rows(std::vector<std::string> words) {
        words.insert(words.begin(), {"-l", "lsc_3", "-s2", "-r1.6"});
        korvi(words);
        std::vector<std::vector<std::string>> rows;
        std::istringstream in(read_file(*dir / "korvi.out"));
        for (std::string line; std::getline(in, line);) {
            if (line.find('\t') != std::string::npos) rows.push_back(split(line, '\t'));
        }
        return rows;
    }

    // korvi-stats with the words given; its standard error stays in stats.err.
    static Table run_stats(const std::vector<std::string>& words, const char* path = nullptr) {
        run_program(KORVI_STATS_BINARY, dir->path(), words, *dir / "stats.out", *dir / "stats.err",
                    path);
        return read_table(read_file(*dir / "stats.out"));
    }

    // korvi-stats on lsc_3 with a probe of radius 1.6 and the words given.
    static Table stats(std::vector<std::string> words, const char* path = nullptr) {
        words.insert(words.begin(), {"-l", "lsc_3", "-s2", "-r1.6"});
        return run_stats(words, path);
    }

    static std::string errors() { return read_file(*dir / "stats.err"); }

    static inline std::unique_ptr<TempDir> dir;  // removed at the program's end
};

}  // namespace

TEST_F(KorviStats, CountsGiveWhatKorviPrintsForTheSameSweep) {
    auto near = [](double a, const std::string& b) {
        return std::abs(a - std::stod(b)) <= 1e-6 * (1 + std::abs(std::stod(b)));
    };
    for (const std::vector<std::string>& sweep : {std::vector<std::string>{"-d5", "few"},
                                                  {"-d5", "-t3", "-p4", "few"},
                                                  {"-d-9", "-t0", "-p0", "few"},
                                                  {"-d-8", "-t-2", "-p-1", "few"}}) {
        SCOPED_TRACE(sweep[0] + " " + sweep[1]);
        Table table = stats(sweep);
        const auto &positions = table.rows["position"], &thetas = table.rows["theta"],
                   &distances = table.rows["distance"];
        std::size_t p = 0, t = 0, d = 0;
        for (const auto& row : korvi_rows(sweep)) {
            if (row.size() == 4) {  // a position with a free walk
                while (std::isinf(number(positions[p], "free_energy"))) ++p;
                EXPECT_TRUE(near(number(positions[p], "touched"), row[2]));
                EXPECT_TRUE(near(number(positions[p++], "free_energy"), row[3]));
            } else if (row.size() == 3) {
                EXPECT_TRUE(near(number(thetas[t], "solid_angle"), row[1]));
                const double mean = number(thetas[t++], "free_energy");  // inf where korvi shows 0
                EXPECT_TRUE(std::isinf(mean) ? std::stod(row[2]) == 0.0 : near(mean, row[2]));
            } else if (row[3].empty()) {  // the final row
                EXPECT_TRUE(near(number(table.rows["total"][0], "volume"), row[4]));
            } else {
                for (const auto& [column, field] :
                     {std::pair{"dist", 0}, {"solid_angle", 1}, {"area", 3}, {"volume", 4}})
                    EXPECT_TRUE(near(number(distances[d], column), row[field])) << column;
                ++d;
            }
        }
        EXPECT_EQ(t, thetas.size());
        EXPECT_EQ(d, distances.size());
    }
}

TEST_F(KorviStats, WhereNoWalkIsTouchedTheFractionIsZeroItsErrorNanAndTheHeaderGivesTheBound) {
    Table table = stats({"-d30", "-t3", "-p4", "few"});
    ASSERT_EQ(table.rows["position"].size(), 6u);
    for (const Row& row : table.rows["position"]) {
        for (const char* column : {"touched", "touched_w", "free_energy", "free_energy_w"})
            EXPECT_EQ(number(row, column), 0.0) << column;
        for (const char* column :
             {"touched_err", "touched_w_err", "free_energy_err", "free_energy_w_err"})
            EXPECT_EQ(row.at(column), "nan") << column;
    }
    // Rows made of such positions only know no error either.
    for (const Row& row : table.rows["theta"]) EXPECT_EQ(row.at("solid_angle_err"), "nan");
    EXPECT_EQ(number(table.rows["total"][0], "volume_w"), 0.0);
    EXPECT_EQ(table.rows["total"][0].at("volume_w_err"), "nan");
    // 200 walks: below 3/200 at 95% confidence.
    EXPECT_NE(table.comments.find("# note: positions where no walk touches the probe: 6; their "
                                  "errors, and those of rows made of such positions only, are "
                                  "nan; at 95% confidence the touched fraction there is below "
                                  "3/W = 0.015, by weight below 3/n_eff = "),
              std::string::npos)
        << table.comments;
}

TEST_F(KorviStats, WhereEveryWalkTouchesTheFreeEnergyIsInfiniteWithANote) {
    // The walks of few.lwk whose first step goes along +x, to vertex 2 at
    // (3.532, 0, 0): a probe of radius 1.6 at (5, 0, 0) touches each of them.
    std::FILE* in = std::fopen((*dir / "few.lwk").c_str(), "r");
    std::FILE* out = std::fopen((*dir / "along_x.lwk").c_str(), "w");
    int kept = 0;
    while (WalkRecord* walk = Xrdlwk(in)) {
        if (walk->numbers[1] == 2 && ++kept) Xwrlwk(out, walk, nullptr);
        std::free(walk);
    }
    std::fclose(in);
    std::fclose(out);
    ASSERT_GT(kept, 10);
    Table table = stats({"-d5", "-S2", "-R2", "-D0", "along_x"});
    const Row& position = table.rows["position"][0];
    EXPECT_EQ(number(position, "touched"), 1.0);
    EXPECT_EQ(position.at("touched_err"), "nan");
    EXPECT_EQ(position.at("touched_w_err"), "nan");
    for (const Row& row : {position, table.rows["theta"][0], table.rows["distance"][0]})
        EXPECT_EQ(row.at("free_energy"), "inf");
    EXPECT_EQ(position.at("free_energy_w"), "inf");
    EXPECT_NE(table.comments.find("# note: positions where every walk touches the probe: 1;"),
              std::string::npos);
    EXPECT_NE(
        table.comments.find("at 95% confidence the touched fraction there is above 1 - 3/W = " +
                            std::to_string(1.0 - 3.0 / kept).substr(0, 6)),
        std::string::npos)
        << table.comments;
}

TEST_F(KorviStats, WithAPrefixTheTableAndAnSvgPictureOfTheProfileAreWritten) {
    std::vector<std::string> sweep = {"-d-9", "-t0", "-p0", "few"};
    stats(sweep);
    const std::string table = read_file(*dir / "stats.out");
    sweep.insert(sweep.begin(), {"-o", "profile"});
    stats(sweep);
    EXPECT_EQ(read_file(*dir / "stats.out"), "");
    EXPECT_EQ(read_file(*dir / "profile.tsv"), table);
    EXPECT_NE(errors().find("Written: profile.tsv\nWritten: profile.svg\n"), std::string::npos);
    write_file(*dir / "check_svg.py",
               "import sys, xml.etree.ElementTree as ET\n"
               "ns = '{http://www.w3.org/2000/svg}'\n"
               "root = ET.parse(sys.argv[1]).getroot()\n"
               "text = ' '.join(''.join(t.itertext()) for t in root.iter(ns + 'text'))\n"
               "assert root.tag == ns + 'svg' and len(list(root.iter(ns + 'path'))) > 20\n"
               "for label in ['probe distance', 'free energy', 'excluded area', 'by count',\n"
               "              'Rosenbluth-weighted', 'few.lwk']:\n"
               "    assert label in text, label\n");
    const std::string command = "/usr/bin/python3 " + (*dir / "check_svg.py").string() + " " +
                                (*dir / "profile.svg").string();
    EXPECT_EQ(std::system(command.c_str()), 0);

    fs::remove(*dir / "profile.svg");
    stats(sweep, "/nonexistent");
    EXPECT_NE(errors().find("Written: profile.tsv\ngnuplot was not found: profile.svg not drawn\n"),
              std::string::npos);
    EXPECT_EQ(read_file(*dir / "profile.tsv"), table);
    EXPECT_FALSE(fs::exists(*dir / "profile.svg"));
}

TEST_F(KorviStats, OutputsNeverOverwriteTheWalkFile) {
    fs::copy_file(*dir / "few.lwk", *dir / "walks.tsv", fs::copy_options::overwrite_existing);
    stats({"-d5", "-o", "walks", "walks.tsv"});
    EXPECT_NE(errors().find("The output walks.tsv would overwrite the input walks.tsv!\n"),
              std::string::npos);
    EXPECT_EQ(read_file(*dir / "walks.tsv"), read_file(*dir / "few.lwk"));
}

TEST_F(KorviStats, ALatticeWithShellLabelsOfThreeDigitsIsPlacedAsItWasWritten) {
    // The outer shell relabelled "103", as shells of lattices beyond 99
    // shells are labelled: read two characters at a time, its vertices would
    // move and the sweep change.
    std::istringstream in(read_file(*dir / "lsc_3.jkl"));
    std::string relabelled;
    for (std::string line; std::getline(in, line);)
        relabelled += (line.rfind("3\t", 0) == 0 ? "10" + line : line) + "\n";
    ASSERT_NE(relabelled.find("\n103\t"), std::string::npos);
    write_file(*dir / "lsc_103.jkl", relabelled);
    const std::vector<std::string> sweep{"-s2", "-r1.6", "-d-9", "-t0", "-p0", "few"};
    std::vector<std::string> words{"-l", "lsc_103"};
    words.insert(words.end(), sweep.begin(), sweep.end());
    const Table relabelled_table = run_stats(words);
    words[1] = "lsc_3";
    const Table table = run_stats(words);
    EXPECT_EQ(relabelled_table.rows, table.rows);
}

TEST_F(KorviStats, WithoutTheGeneratingRunOnlyCountsAreReportedAndOneLineSaysWhy) {
    const std::string walks = read_file(*dir / "few.lwk");
    write_file(*dir / "bare.lwk", walks.substr(walks.find("wlk1")));
    Table table = stats({"-d5", "bare"});
    EXPECT_NE(errors().find("No Rosenbluth weights: the walk file names no generating run (no "
                            "'# Korvi ...' comment line) and none of -S, -R, -D was given\n"),
              std::string::npos);
    EXPECT_EQ(table.rows["position"][0].at("touched_w"), "nan");
    // Given the generating run, the walks weigh as those whose file names it.
    const Table named = stats({"-d5", "few"});
    EXPECT_NE(named.comments.find("Rosenbluth weights for walks grown with -s2 -r2 -d0 (read "
                                  "from the walk file's comment line)"),
              std::string::npos);
    EXPECT_EQ(stats({"-d5", "-S2", "-R2", "-D0", "bare"}).rows, named.rows);
}

TEST_F(KorviStats, MessagesNameAWalkByItsPositionInTheFileAsJoinedFilesRepeatNames) {
    // few.lwk twice, in the copy the first walk's first step to vertex 99999.
    const std::string walks = read_file(*dir / "few.lwk");
    std::string copy = walks;
    const std::size_t first_step = copy.find("\n1\t6\t", copy.find("wlk1\t")) + 5;
    copy.replace(first_step, copy.find('\t', first_step) - first_step, "99999");
    write_file(*dir / "joined.lwk", walks + copy);
    stats({"-d5", "joined"});
    EXPECT_NE(errors().find("walk 201 (wlk1) names no lattice vertex at 1 of its 7 positions\n"),
              std::string::npos)
        << errors();
    EXPECT_NE(errors().find("No Rosenbluth weights: walk 201 (wlk1) cannot have grown with these "
                            "settings: its step 1 names no lattice vertex"),
              std::string::npos)
        << errors();
}

TEST_F(KorviStats, MabWalksGiveTheStatisticsOfTheSameWalksInALwkFile) {
    korvi({"-l", "lsc_3", "-s2", "-r2", "-d0", "-e6", "-n50", "-i9", "records"});
    korvi({"-l", "lsc_3", "-s2", "-r2", "-d0", "-e6", "-n50", "-i9", "-m", "structures"});
    Table from_lwk = stats({"-d5", "-t3", "-p4", "records"});
    Table from_mab = stats({"-d5", "-t3", "-p4", "-m", "-S2", "-R2", "-D0", "structures"});
    EXPECT_EQ(from_mab.rows, from_lwk.rows);
    EXPECT_NE(from_mab.comments.find("(given by -S, -R, -D)"), std::string::npos);
}

TEST_F(KorviStats, WeightLinesBeforeEveryRecordGiveTheWeightsAndAFileWithSomeIsRefused) {
    // The walks of few.lwk in tours of seven; those whose first step goes
    // along +x, all touched by the probe at (5, 0, 0), weigh 2, the others 1.
    std::FILE* in = std::fopen((*dir / "few.lwk").c_str(), "r");
    std::string all, some;
    int walks = 0, along_x = 0;
    while (WalkRecord* walk = Xrdlwk(in)) {
        const bool x = walk->numbers[1] == 2;
        along_x += x;
        const std::string line = weight_comment(x ? std::log(2.0) : 0.0, walks / 7);
        all += written([&](std::FILE* out) { Xwrlwk(out, walk, line.c_str()); });
        some += written(
            [&](std::FILE* out) { Xwrlwk(out, walk, walks == 2 ? nullptr : line.c_str()); });
        ++walks;
        std::free(walk);
    }
    std::fclose(in);
    ASSERT_EQ(walks, 200);
    write_file(*dir / "weighted.lwk", all);
    write_file(*dir / "some.lwk", some);

    Table table = stats({"-d5", "weighted"});
    const Row& position = table.rows["position"][0];
    const double free = number(position, "free");
    EXPECT_NEAR(number(position, "touched_w"), 1.0 - free / (walks + along_x), 1e-11);
    EXPECT_NE(table.comments.find("200 walks of 6 steps; jackknife over 20 blocks of whole tours "
                                  "in file order"),
              std::string::npos)
        << table.comments;
    EXPECT_NE(table.comments.find("weights read from the walk file's weight lines ('# ln_weight "
                                  "<ln w> tour <t>' before each record) for 200 walks of 29 "
                                  "tours; effective sample size n_eff = "),
              std::string::npos)
        << table.comments;

    table = stats({"-d5", "some"});
    EXPECT_NE(errors().find("No weights: walk 3 (wlk3) has no weight line before its record, "
                            "though walk 1 (wlk1) has one: all weights come from weight lines or "
                            "none\n"),
              std::string::npos)
        << errors();
    EXPECT_EQ(table.rows["position"][0].at("touched_w"), "nan");
}
