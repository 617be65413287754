// The evaluate run scored from memory against the same run streaming the walk
// file: on random lattices, walk files and sweeps both must print the same
// text on the same streams in the same order and leave the lattice alike.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "base/output_capture.h"
#include "driver/runs.h"
#include "lattice/enumeration.h"
#include "lattice/generation.h"
#include "lattice/neighbours.h"
#include "structure/elements.h"
#include "structure/geometry.h"
#include "structure/model.h"
#include "support/files.h"
#include "sweep/early_walk_scan.h"
#include "sweep/indexed_scorer.h"
#include "sweep/placed_lattice.h"

namespace {

// Random choices from the standard engine, the same on every platform.
struct Random {
    std::mt19937 engine;
    int below(int n) { return static_cast<int>(engine() % static_cast<unsigned>(n)); }
    bool chance(int percent) { return below(100) < percent; }
    float between(float lo, float hi) {
        return lo + (hi - lo) * static_cast<float>(engine() % 10001) / 10000.0f;
    }
};

struct Scenario {
    PlacedLattice run;
    Settings settings;
    std::string walks;  // file text; empty: no walk file
};

// A generated lattice, or random vertices on a small integer grid (distances
// to a probe on the grid often come out exactly at the radius) or anywhere,
// with random edges, shells and isolated vertices, in random list order.
void make_lattice(Random& rng, Scenario& s) {
    if (rng.chance(50)) {
        const float points[6] = {0, 0, 0, -1, 0, 0};
        OutputCapture silenced;  // the generator's summary lines
        s.run.lattice = Xltgen(rng.below(4), points, 1 + rng.below(3), nullptr, Qbdlen(6, 6));
    } else {
        Entry* e = s.run.lattice = Qnsntr(nullptr);
        e->type = kTypeLattice;
        const int n = 2 + rng.below(30);
        const bool on_grid = rng.chance(60);
        std::vector<Atom*> v;
        for (int i = 0; i < n; ++i) {
            v.push_back(Qnsatm(&e->atoms));
            for (float* c : {&v[i]->x, &v[i]->y, &v[i]->z})
                *c = on_grid ? static_cast<float>(rng.below(9) - 4) : rng.between(-4, 4);
            v[i]->hcount = rng.below(4);
        }
        for (int k = rng.below(4 * n); k > 0; --k)
            Qnsbd(&e->bonds, v[rng.below(n)], v[rng.below(n)]);
    }
    s.run.file_name = "lattice";
    s.run.prepared = prepare_lattice(s.run.lattice, s.settings.shift, false);
    s.run.sphere = Qnsntr(nullptr);
    s.run.sphere_atom = Qnsatm(&s.run.sphere->atoms);
}

// Parameter text: few distinct pairs so that runs of equal ones occur, and
// now and then a value that never compares equal.
std::string parameters(Random& rng) {
    static const char* const kValues[] = {"0.000000", "0.500000", "-1.250000", "-0.000000", "nan"};
    const int pick = rng.below(rng.chance(90) ? 2 : 5);
    return std::string(kValues[pick]) + "\t" + kValues[rng.below(3)] + "\t0.000000\n";
}

// A vertex number along the lattice's edges from the last one, or now and
// then one outside the lattice.
int next_number(Random& rng, const Scenario& s, int last) {
    const int n = s.run.prepared.n;
    if (rng.chance(8)) {
        static const int kOutside[] = {0, -3, 99999};
        return rng.chance(25) ? n + 1 : kOutside[rng.below(3)];
    }
    if (last >= 1 && last <= n) {
        const Atom* v = s.run.prepared.table[last - 1];
        std::vector<int> next;
        for_each_neighbour(v, [&](Atom* u) { next.push_back(static_cast<int>(u->serial)); });
        if (!next.empty() && rng.chance(90)) return next[rng.below(static_cast<int>(next.size()))];
    }
    return 1 + rng.below(n);
}

std::vector<int> random_walk(Random& rng, const Scenario& s) {
    const int start = s.run.prepared.origin ? static_cast<int>(s.run.prepared.origin->serial) : 1;
    std::vector<int> numbers{rng.chance(90) ? start : next_number(rng, s, 0)};
    const int length = rng.below(12);
    for (int i = 0; i < length; ++i) numbers.push_back(next_number(rng, s, numbers.back()));
    return numbers;
}

// One .lwk record, its pairs in lines of one to five; sometimes shorter
// than its header says, or damaged so that the reader gives up there.
std::string lwk_record(Random& rng, const Scenario& s, int index) {
    std::vector<int> numbers = random_walk(rng, s);
    std::string name = "w" + std::to_string(index);
    int count = static_cast<int>(numbers.size()) + (rng.chance(10) ? rng.below(4) : 0);
    std::string text = rng.chance(10) ? "# comment\n" : "";
    const int damage = rng.chance(4) ? rng.below(6) : -1;
    if (damage == 0) return text + "no tab here\n";
    if (damage == 1) count = static_cast<int>(numbers.size()) - 1;  // too many vertices
    if (damage == 2) return text + name + "\tx\n";
    text += name + "\t" + std::to_string(count) + "\n";
    text += damage == 3 ? "1.0\t2.0\n" : parameters(rng);
    int on_line = 0;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        text +=
            (on_line ? "\t" : "") +
            (numbers[i] == 99999 && rng.chance(50) ? std::string("~") : std::to_string(numbers[i]));
        if (!(damage == 4 && i + 1 == numbers.size())) text += "\t6";
        if (++on_line == 1 + rng.below(5) || i + 1 == numbers.size()) {
            text += "\n";
            on_line = 0;
        }
    }
    if (damage == 5) return text + "\n";  // an empty header line ends the file silently
    return text + (rng.chance(95) ? "$$$$\n" : "");
}

// One .mab block: a walk entry whose atoms carry the vertex numbers, the
// strength and distance in the charges of the first two; sometimes with
// more atom lines than announced, which ends the reading.
std::string mab_block(Random& rng, const Scenario& s, int index) {
    std::vector<int> numbers = random_walk(rng, s);
    const int announced = static_cast<int>(numbers.size()) - (rng.chance(4) ? 1 : 0);
    std::string text = "Version 2\nEntry    1: " + std::to_string(announced) + "  0  m" +
                       std::to_string(index) + "\n";
    const float charges[3] = {0.0f, 0.5f, -1.0f};
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        char line[160];
        std::snprintf(line, sizeof line, "%-7zu  1   0   6  3 %8.3f %8.3f %8.3f %8.3f %d 0  0\n",
                      i + 1, 1.0, 2.0, 3.0, static_cast<double>(charges[rng.below(i < 2 ? 3 : 1)]),
                      numbers[i]);
        text += line;
    }
    return text;
}

Scenario random_scenario(Random& rng) {
    Scenario s;
    s.settings.shift = static_cast<float>(rng.below(4));
    s.settings.mab = rng.chance(30);
    s.settings.verbose = rng.chance(50);
    make_lattice(rng, s);
    const int walks = rng.below(40);
    for (int w = 0; w < walks; ++w)
        s.walks += s.settings.mab ? mab_block(rng, s, w) : lwk_record(rng, s, w);
    if (rng.chance(5)) s.walks.clear();

    // A single position at (d, 0, 0), its radius now and then exactly the
    // distance to a vertex; or a sweep of directions and distances.
    if (rng.chance(40)) {
        s.settings.distance = static_cast<float>(rng.below(8));
        s.settings.radius = rng.between(0.5f, 4.0f);
        if (rng.chance(50) && s.run.prepared.n > 0) {
            const Atom* v = s.run.prepared.table[rng.below(s.run.prepared.n)];
            const float r = vector_length(s.settings.distance - v->x, 0.0f - v->y, 0.0f - v->z);
            if (r > 0.0f) s.settings.radius = r;
        }
    } else {
        s.settings.radius = static_cast<float>(1 + rng.below(3));
        s.settings.distance = rng.chance(50) ? -static_cast<float>(4 + rng.below(6))
                                             : static_cast<float>(rng.below(6));
        s.settings.theta_count = rng.below(8) - 1;
        s.settings.phi_count = rng.below(10) - 1;
    }
    return s;
}

// What a run printed (each piece marked with its stream), whether it
// completed, and the bits of every vertex's occupancy, charge and element.
struct Outcome {
    bool completed = false;
    std::string printed;
    std::vector<std::uint32_t> marks;
};

// early: with the walk file's reading started before the run, as the
// program does while it reads the lattice.
Outcome evaluate(Scenario& s, const std::string& walk_file, std::size_t budget,
                 bool early = false) {
    for (int k = 0; k < s.run.prepared.n; ++k) s.run.prepared.table[k]->element = 6;
    Outcome outcome;
    {
        OutputCapture capture;
        s.settings.walk_file = walk_file.c_str();
        const std::unique_ptr<EarlyWalkScan> scan =
            early ? start_early_walk_scan(s.settings, budget) : nullptr;
        outcome.completed = run_evaluate(s.settings, s.run, budget, scan.get());
        for (const PrintedText& p : capture.take())
            outcome.printed += (p.error ? "[err] " : "[out] ") + p.text;
    }
    for (int k = 0; k < s.run.prepared.n; ++k) {
        const Atom* v = s.run.prepared.table[k];
        for (float value : {v->occupancy, v->charge, static_cast<float>(v->element)})
            outcome.marks.push_back(std::bit_cast<std::uint32_t>(value));
    }
    return outcome;
}

void release(Scenario& s) {
    std::free(s.run.prepared.table);
    Qdlntr(s.run.sphere, nullptr);
    Qdlntr(s.run.lattice, nullptr);
}

}  // namespace

TEST(IndexedScorer, PrintsAndMarksWhatStreamingDoesOnRandomLatticesWalksAndSweeps) {
    Random rng{std::mt19937(20240611)};
    TempDir dir;
    int compared = 0;
    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        Scenario s = random_scenario(rng);
        const std::string name = (dir / (s.settings.mab ? "walks.mab" : "walks.lwk")).string();
        std::remove(name.c_str());
        if (!s.walks.empty()) write_file(name, s.walks);
        if (s.run.prepared.table) {
            const Outcome streamed = evaluate(s, name, 0);
            const Outcome indexed = evaluate(s, name, default_walk_budget());
            const Outcome early = evaluate(s, name, default_walk_budget(), true);
            for (const Outcome* o : {&indexed, &early}) {
                EXPECT_EQ(streamed.completed, o->completed);
                EXPECT_EQ(streamed.printed, o->printed);
                EXPECT_EQ(streamed.marks, o->marks);  // as bits: NaN charges compare too
            }
            compared += !streamed.printed.empty();
        }
        release(s);
    }
    EXPECT_GT(compared, 200);
}

TEST(IndexedScorer, IsChosenOnlyForWalkFilesThatCanBeReadAgainAndFit) {
    Random rng{std::mt19937(7)};
    Scenario s = random_scenario(rng);
    TempDir dir;
    write_file(dir / "w.lwk", "w\t1\n0\t0\t0\n1\t6\n$$$$\n");
    std::FILE* regular = std::fopen((dir / "w.lwk").c_str(), "r");
    std::FILE* pipe = popen("cat /dev/null", "r");
    auto is_indexed = [&](std::FILE* fp, std::size_t budget) {
        auto scorer = choose_scorer(s.run, fp, false, 1.0f, 0, budget);
        return dynamic_cast<IndexedScorer*>(scorer.get()) != nullptr;
    };
    EXPECT_TRUE(is_indexed(regular, 1 << 20));
    EXPECT_TRUE(is_indexed(nullptr, 1 << 20));
    EXPECT_FALSE(is_indexed(regular, 0));
    EXPECT_FALSE(is_indexed(regular, 10));  // one position needs more
    EXPECT_FALSE(is_indexed(pipe, 1 << 20));
    std::fclose(regular);
    pclose(pipe);
    release(s);
}
