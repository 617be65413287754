// Walk generation: dead ends, refusals and a hub of fourteen neighbours on
// hand-made lattices, and every attempt of a long run (interaction and torsion
// weights included) compared with the straightforward algorithm.
#include "walks/generation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/random.h"
#include "lattice/enumeration.h"
#include "lattice/marks.h"
#include "lattice/neighbours.h"
#include "structure/geometry.h"
#include "support/lattices.h"
#include "walks/exclusion.h"
#include "walks/walk_record.h"

namespace {

using Record = std::unique_ptr<WalkRecord, decltype([](WalkRecord* p) { std::free(p); })>;

const float kNoParameters[3] = {0.0f, 0.0f, 0.0f};

// A path of `count` free vertices along x; the last has a single edge.
void build_path(TestLattice& lattice, int count) {
    for (int i = 0; i < count; ++i) lattice.add(static_cast<float>(i), 0, 0, i)->occupancy = 0.0f;
    for (int i = 0; i + 1 < count; ++i) lattice.join(i, i + 1);
}

}  // namespace

// The last vertex of a path has a single edge and is never entered, so a walk
// can take as many steps as the path has vertices less two; a start the
// sphere shuts in reaches none. Only dead ends within the first three steps
// are printed, and the record keeps the steps taken.
TEST(Xltsaw, OnAPathAWalkEndsWhenItRunsOutOfVerticesItCanEnter) {
    struct Case {
        int path, steps;
        bool shut_in;
        const char* printed;
        int reachable, taken;
    };
    for (const Case& c : {Case{3, 2, false, "Dead end at 1, 1, 2\n", 1, 1},
                          Case{5, 9, false, "Dead end at 3, 3, 4\n", 3, 3},
                          Case{6, 9, false, "", 4, 4}, Case{6, 5, false, "", 4, 4},
                          Case{6, 4, false, "", 4, 4},
                          Case{6, 3, true, "Dead end at 0, 0, 1\n", 0, 0}}) {
        SCOPED_TRACE(testing::Message() << c.path << " vertices, " << c.steps << " steps");
        TestLattice lattice;
        build_path(lattice, c.path);
        TestSphere sphere(1, 0, 0);
        if (c.shut_in) Xltocc(lattice.entry, nullptr, 1, &sphere.entry, kOccupancyFreeFirst, 0.5f);
        Record walk(Xnslwk(10));
        testing::internal::CaptureStdout();
        EXPECT_EQ(Xltsaw(lattice.entry, lattice[0], c.steps, kNoParameters, walk.get()),
                  c.taken == c.steps ? walk.get() : nullptr);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.printed);
        EXPECT_EQ(last_saw_attempt().steps, c.taken);
        EXPECT_EQ(last_saw_attempt().reachable, c.reachable);
        EXPECT_EQ(last_saw_attempt().futile, c.steps > c.reachable);
        EXPECT_FALSE(last_saw_attempt().refused);
        EXPECT_EQ(walk->numbers[c.taken], c.taken + 1);
        EXPECT_EQ(walk->nvertices, c.steps + 1);
    }
}

TEST(Xltsaw, AHandMadeHubOfFourteenNeighboursIsExcludedAndWalkedLikeAnyVertex) {
    TestLattice lattice;  // the hub joined to a ring of fourteen vertices
    lattice.add(0, 0, 0, 0);
    for (int i = 0; i < 14; ++i) {
        const double angle = 2.0 * M_PI * i / 14.0;
        lattice.add(static_cast<float>(1.532 * std::cos(angle)),
                    static_cast<float>(1.532 * std::sin(angle)), 0, 1);
        lattice.join(0, 1 + i);
        if (i > 0) lattice.join(i, 1 + i);
    }
    lattice.join(14, 1);
    TestSphere far(100, 0, 0);
    EXPECT_EQ(Xltocc(lattice.entry, nullptr, 1, &far.entry, kOccupancyFreeFirst, 0.5f)->first_steps,
              14);
    Record walk(Xnslwk(2));
    std::set<int> entered;
    for (int i = 0; i < 1400; ++i) {
        if (Xltsaw(lattice.entry, lattice[0], 1, kNoParameters, walk.get()))
            entered.insert(walk->numbers[1]);
    }
    EXPECT_EQ(entered.size(), 14u);
}

TEST(Xltsaw, RefusesWithoutLatticeStartOrRoom) {
    TestLattice lattice, other;
    build_path(lattice, 4);
    build_path(other, 2);
    Entry outside;
    Record walk(Xnslwk(3));
    testing::internal::CaptureStderr();
    for (Entry* entry : {static_cast<Entry*>(nullptr), &outside, Qhead()})
        EXPECT_EQ(Xltsaw(entry, lattice[0], 2, kNoParameters, walk.get()), nullptr);
    for (Atom* start : {other[0], static_cast<Atom*>(nullptr)})
        EXPECT_EQ(Xltsaw(lattice.entry, start, 2, kNoParameters, walk.get()), nullptr);
    EXPECT_EQ(Xltsaw(lattice.entry, lattice[0], 3, kNoParameters, walk.get()), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "No lattice given!\nNo lattice given!\nNo lattice given!\n"
              "No starting vertex found!\nNo starting vertex found!\n"
              "No walk record with room for 3 steps!\n");
    EXPECT_TRUE(last_saw_attempt().refused);
    EXPECT_TRUE(last_saw_attempt().futile);
    EXPECT_EQ(lattice[1]->occupancy, 0.0f);
}

namespace {

// The walk as first described, as far as the comparison sees it: every
// attempt recounts every vertex's degree and cleans up every vertex afterwards.
WalkRecord* reference_saw(Entry* lattice, Atom* start, int n, const float* params,
                          WalkRecord* walk) {
    std::vector<Atom*> all;
    for (Atom* v = first_atom(lattice); !atom_end(lattice, v); v = v->next) all.push_back(v);
    if (std::find(all.begin(), all.end(), start) == all.end()) return nullptr;
    for (Atom* v : all) v->work = bond_count(v);
    walk->numbers[0] = 1;
    const float g = static_cast<float>(std::exp(-static_cast<double>(params[2])));
    start->occupancy = 1.0f;
    int k = 0;
    Atom *c = start, *p1 = nullptr, *p2 = nullptr, *p3 = nullptr;
    while (k < n) {
        std::vector<std::pair<Atom*, float>> candidates;
        float total = 0.0f;
        for (int i = 0; i < c->nslots; ++i) {
            Atom* u = c->slots[i] ? Qbdnbr(c->slots[i], c) : nullptr;
            if (!u || !(u->work >= 2 && u->occupancy < 1.0f)) continue;
            float w = 1.0f;
            if (params[0] != 0.0f && params[1] != 0.0f) {
                const float q = -u->charge / params[1];
                const double x = static_cast<double>(-params[0]) * std::exp(static_cast<double>(q));
                w = static_cast<float>(std::exp(x));
            }
            if (params[2] != 0.0f && p3 && atom_distance(u, p3) < 3.24) w = w * g;
            candidates.emplace_back(u, w);
            total += w;
        }
        if (candidates.empty()) {
            if (k <= 3)
                std::printf("Dead end at %d, %s, %ld\n", k, c->label, static_cast<long>(c->serial));
            break;
        }
        // The first candidate whose running sum of weights reaches r, else the last.
        const float r = Brandf() * total;
        float sum = 0.0f;
        std::size_t pick = 0;
        while (pick + 1 < candidates.size() && (sum += candidates[pick].second) < r) ++pick;
        Atom* v = candidates[pick].first;
        ++k;
        walk->numbers[k] = static_cast<int>(v->serial);
        v->occupancy = 1.0f;
        p3 = p2;
        p2 = p1;
        p1 = c = v;
    }
    for (Atom* v : all) {
        if (v->occupancy < 2.0f) v->occupancy = 0.0f;
    }
    return k < n ? nullptr : walk;
}

using Saw = WalkRecord* (*)(Entry*, Atom*, int, const float*, WalkRecord*);

// What an attempt leaves, bit for bit: whether it walked, the record's numbers
// and every vertex's mark and degree on both lattices.
using Outcome = std::vector<std::int64_t>;

void record_lattice(const TestLattice& lattice, Outcome& outcome) {
    for (const Atom* v : lattice.vertices) {
        std::uint32_t bits;
        std::memcpy(&bits, &v->occupancy, sizeof bits);
        outcome.insert(outcome.end(), {bits, v->work});
    }
}

Atom* neighbour(const Atom* v, int slot) {
    return Qbdnbr(v->slots[slot], v);
}

// A run of attempts on two lattices with the sphere placed, moved and
// removed, marks changed by hand (with notice), re-enumeration and walks of
// several lengths and parameters. Returns each attempt's outcome and *printed
// the dead-end lines.
std::vector<Outcome> run_attempts(Saw saw, std::string* printed) {
    TestLattice lattice, other;
    build_cubic(lattice, 2);
    build_cubic(other, 1);
    // Two vertices with a single edge beside the origin.
    Atom* origin = lattice[0];
    lattice.add(2.0f, 1.532f, 1.532f, 2);
    lattice.join(static_cast<int>(neighbour(origin, 0)->serial) - 1, lattice.size() - 1);
    lattice.add(3.532f, 1.532f, 0.0f, 2);
    lattice.join(static_cast<int>(neighbour(origin, 1)->serial) - 1, lattice.size() - 1);
    TestSphere sphere(-2.0f, 0, 0);
    Record walk(Xnslwk(41));

    std::vector<Outcome> outcomes;
    std::array<float, 3> params = {0.0f, 0.0f, 0.0f};
    int n = 20;
    Bsrand(2024);
    testing::internal::CaptureStdout();
    for (int attempt = 0; attempt < 320; ++attempt) {
        if (attempt == 30) {
            Xltocc(lattice.entry, nullptr, 1, &sphere.entry, kOccupancyFreeFirst, 2.0f);
            params = {1.5f, 2.0f, 0.8f};
            n = 40;
        } else if (attempt == 120) {
            neighbour(origin, 2)->occupancy = std::nanf("");
            neighbour(neighbour(origin, 3), 1)->occupancy = 1.5f;
            neighbour(neighbour(origin, 4), 2)->occupancy = -0.0f;
            note_marks_changed(lattice.entry);
        } else if (attempt == 160) {
            int count = 0;
            Xltwnum(lattice.entry, &count, nullptr);
        } else if (attempt == 200) {
            sphere.centre->x = -3.0f;
            Xltocc(lattice.entry, nullptr, 1, &sphere.entry, kOccupancyFreeFirst, 2.5f);
            params = {-1.0f, 3.0f, -0.5f};
            n = 30;
        } else if (attempt == 250) {
            // Only the origin's outward neighbour is open, and nothing beyond it.
            Atom* out = origin;
            for_each_neighbour(origin, [&](Atom* u) { out = u->x > out->x ? u : out; });
            for (Atom* v : lattice.vertices) {
                if (v != origin && v != out) v->occupancy = 3.0f;
            }
            note_marks_changed(lattice.entry);
        } else if (attempt == 280) {
            Xltocc(lattice.entry, nullptr, 0, nullptr, kOccupancyFreeFirst, 2.5f);
        }
        const bool on_other = attempt >= 240 && attempt % 3 == 0;
        const int steps = attempt % 50 == 49 ? 0 : n;
        TestLattice& on = on_other ? other : lattice;
        Outcome outcome{saw(on.entry, on[0], steps, params.data(), walk.get()) != nullptr};
        outcome.insert(outcome.end(), walk->numbers, walk->numbers + walk->capacity);
        record_lattice(lattice, outcome);
        record_lattice(other, outcome);
        outcomes.push_back(std::move(outcome));
    }
    *printed = testing::internal::GetCapturedStdout();
    return outcomes;
}

}  // namespace

TEST(Xltsaw, EveryAttemptEndsAsTheFullPassesWouldLeaveIt) {
    std::string printed, expected_printed;
    const std::vector<Outcome> outcomes = run_attempts(Xltsaw, &printed);
    const std::vector<Outcome> expected = run_attempts(reference_saw, &expected_printed);
    ASSERT_EQ(outcomes.size(), expected.size());
    int walked = 0;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        ASSERT_EQ(outcomes[i], expected[i]) << "attempt " << i;
        walked += static_cast<int>(outcomes[i][0]);
    }
    EXPECT_EQ(printed, expected_printed);
    // Walks and dead ends both occur: the fresh lattices dead-end at once,
    // the blocked neighbour at the first step.
    EXPECT_GT(walked, 100);
    EXPECT_LT(walked, 300);
    EXPECT_EQ(printed.rfind("Dead end at 0, 0, 1\n", 0), 0u);
    EXPECT_NE(printed.find("Dead end at 1, 1, "), std::string::npos);
}
