#include "walks/generation.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "base/random.h"
#include "lattice/enumeration.h"
#include "lattice/generation.h"
#include "lattice/marks.h"
#include "structure/elements.h"
#include "structure/geometry.h"
#include "support/lattices.h"
#include "walks/exclusion.h"
#include "walks/walk_record.h"

namespace {

struct FreeRecord {
    void operator()(void* p) const { std::free(p); }
};
using Record = std::unique_ptr<WalkRecord, FreeRecord>;

const float kNoParameters[3] = {0.0f, 0.0f, 0.0f};

// Free vertices at the points, labelled and numbered by their index.
void build(TestLattice& lattice, std::initializer_list<std::array<float, 3>> points,
           std::initializer_list<std::pair<int, int>> edges) {
    int index = 0;
    for (const auto& p : points)
        lattice.add(p[0], p[1], p[2], index++)->occupancy = 0.0f;
    for (const auto& [a, b] : edges)
        lattice.join(a, b);
}

// A path of `count` free vertices along x; the last has a single edge.
void build_path(TestLattice& lattice, int count) {
    for (int i = 0; i < count; ++i)
        lattice.add(static_cast<float>(i), 0, 0, i)->occupancy = 0.0f;
    for (int i = 0; i + 1 < count; ++i)
        lattice.join(i, i + 1);
}

bool joined(const Atom* a, const Atom* b) {
    for (int i = 0; i < a->nslots; ++i) {
        if (a->slots[i] && Qbdnbr(a->slots[i], a) == b) return true;
    }
    return false;
}

// How often each vertex is position `at` in `attempts` walks of n steps.
std::vector<int> visits(TestLattice& lattice, int n, const float* params, int at, int attempts) {
    Record walk(Xnslwk(n + 1));
    std::vector<int> counts(lattice.size(), 0);
    Bsrand(99);
    for (int i = 0; i < attempts; ++i) {
        if (Xltsaw(lattice.entry, lattice[0], n, params, walk.get()))
            ++counts[walk->numbers[at] - 1];
    }
    return counts;
}

} // namespace

TEST(Xltsaw, WalksAreSelfAvoidingPathsAlongFreeEdgesFromTheOrigin) {
    TestLattice lattice;
    build_cubic(lattice, 4);
    PreparedLattice placed = prepare_lattice(lattice.entry, 3.0f, false);
    TestSphere sphere(0, 0, 0);
    Entry* spheres[] = {sphere.entry};
    ASSERT_NE(Xltocc(lattice.entry, nullptr, 1, spheres, kOccupancyFreeFirst, 3.0f), nullptr);
    std::vector<float> marks;
    for (Atom* v : lattice.vertices)
        marks.push_back(v->occupancy);

    Record walk(Xnslwk(16));
    Bsrand(5);
    int walked = 0;
    for (int attempt = 0; attempt < 200; ++attempt) {
        if (!Xltsaw(lattice.entry, placed.origin, 15, kNoParameters, walk.get())) continue;
        ++walked;
        EXPECT_EQ(walk->numbers[0], 1);
        EXPECT_EQ(walk->vertices[0], placed.origin);
        std::set<const Atom*> seen{placed.origin};
        for (int k = 1; k <= 15; ++k) {
            const Atom* v = walk->vertices[k];
            EXPECT_TRUE(seen.insert(v).second) << "vertex " << v->serial << " entered twice";
            EXPECT_EQ(walk->numbers[k], v->serial);
            EXPECT_TRUE(joined(walk->vertices[k - 1], v));
            EXPECT_EQ(marks[v->serial - 1], 0.0f) << "entered a vertex marked by the sphere";
        }
        for (Atom* v : lattice.vertices)
            ASSERT_EQ(v->occupancy, marks[v->serial - 1]);
    }
    EXPECT_GT(walked, 100);
    std::free(placed.table);
}

TEST(Xltsaw, TheSameSeedGivesTheSameWalks) {
    auto run = [](int seed) {
        TestLattice lattice;
        build_cubic(lattice, 3);
        Record walk(Xnslwk(9));
        Bsrand(seed);
        std::vector<int> numbers;
        testing::internal::CaptureStdout();
        for (int attempt = 0; attempt < 30; ++attempt) {
            numbers.push_back(Xltsaw(lattice.entry, lattice[0], 8, kNoParameters, walk.get()) !=
                              nullptr);
            numbers.insert(numbers.end(), walk->numbers, walk->numbers + 9);
        }
        testing::internal::GetCapturedStdout();
        return numbers;
    };
    const std::vector<int> first = run(11);
    EXPECT_EQ(run(11), first);
    EXPECT_NE(run(12), first);
}

TEST(Xltsaw, NoStepsGiveTheOriginAlone) {
    TestLattice lattice;
    build_path(lattice, 3);
    Record walk(Xnslwk(1));
    EXPECT_EQ(Xltsaw(lattice.entry, lattice[0], 0, kNoParameters, walk.get()), walk.get());
    EXPECT_EQ(walk->nvertices, 1);
    EXPECT_EQ(walk->numbers[0], 1);
    EXPECT_EQ(lattice[0]->occupancy, 0.0f);
}

TEST(Xltsaw, DeadEndsArePrintedWithinTheFirstThreeStepsOnly) {
    // The last vertex of a path has a single edge and is never entered.
    struct Case {
        int path, steps;
        const char* printed;
    };
    for (const Case& c : {Case{3, 2, "Dead end at 1, 1, 2\n"}, Case{5, 9, "Dead end at 3, 3, 4\n"},
                          Case{6, 9, ""}}) {
        TestLattice lattice;
        build_path(lattice, c.path);
        Record walk(Xnslwk(10));
        testing::internal::CaptureStdout();
        EXPECT_EQ(Xltsaw(lattice.entry, lattice[0], c.steps, kNoParameters, walk.get()), nullptr);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), c.printed);
        const int taken = c.path - 2;
        EXPECT_EQ(last_saw_attempt().steps, taken);
        EXPECT_EQ(walk->numbers[taken], taken + 1) << "the record keeps the steps taken";
        EXPECT_EQ(walk->nvertices, c.steps + 1);
    }
}

TEST(Xltsaw, AStartShutInByTheSphereDeadEndsAtStepZero) {
    TestLattice lattice;
    build(lattice, {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {2, 0, 0}, {0, 2, 0}},
          {{0, 1}, {0, 2}, {1, 3}, {2, 4}});
    TestSphere sphere(0, 0, 0);
    Entry* spheres[] = {sphere.entry};
    ASSERT_EQ(Xltocc(lattice.entry, nullptr, 1, spheres, kOccupancyFreeFirst, 1.0f)->first_steps,
              0);
    Record walk(Xnslwk(4));
    testing::internal::CaptureStdout();
    EXPECT_EQ(Xltsaw(lattice.entry, lattice[0], 3, kNoParameters, walk.get()), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Dead end at 0, 0, 1\n");
    EXPECT_TRUE(last_saw_attempt().futile);
}

TEST(Xltsaw, AFreshLatticeDeadEndsOnceThenItsMarksAreFree) {
    TestLattice lattice;
    build_cubic(lattice, 2); // every vertex still at the new atom's occupancy 1.0
    Record walk(Xnslwk(6));
    testing::internal::CaptureStdout();
    EXPECT_EQ(Xltsaw(lattice.entry, lattice[0], 5, kNoParameters, walk.get()), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Dead end at 0, 0, 1\n");
    EXPECT_FALSE(last_saw_attempt().futile);
    for (Atom* v : lattice.vertices) {
        EXPECT_EQ(v->occupancy, 0.0f);
        EXPECT_EQ(v->work, bond_count(v));
    }
    EXPECT_EQ(Xltsaw(lattice.entry, lattice[0], 5, kNoParameters, walk.get()), walk.get());
}

TEST(Xltsaw, StepWeightsFollowTheInteraction) {
    TestLattice lattice;
    build(lattice,
          {{0, 0, 0},
           {1, 0, 0},
           {-1, 0, 0},
           {0, 1, 0},
           {0, -1, 0},
           {2, 0, 0},
           {-2, 0, 0},
           {0, 2, 0},
           {0, -2, 0}},
          {{0, 1}, {0, 2}, {0, 3}, {0, 4}, {1, 5}, {2, 6}, {3, 7}, {4, 8}});
    // Without parameters every free neighbour is equally likely.
    std::vector<int> counts = visits(lattice, 1, kNoParameters, 1, 4000);
    for (int arm = 1; arm <= 4; ++arm)
        EXPECT_NEAR(counts[arm], 1000, 100) << arm;
    // A positive strength repels: exp(-5) = 0.0067 for the arm next to the
    // molecule against exp(-5 exp(-10)) = 0.9998 for the others.
    for (int arm = 1; arm <= 4; ++arm)
        lattice[arm]->charge = arm == 1 ? 0.0f : 10.0f;
    const float repulsive[3] = {5.0f, 1.0f, 0.0f};
    counts = visits(lattice, 1, repulsive, 1, 4000);
    EXPECT_LT(counts[1], 50);
    EXPECT_NEAR(counts[2], 1330, 100);
}

TEST(Xltsaw, TorsionIsNotAppliedBeforeThreeSteps) {
    // From the third vertex the walk may go to X (2.24 from the start, which
    // is never a torsion reference) or to Y (6 from it).
    TestLattice lattice;
    build(lattice, {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {2, 1, 0}, {6, 0, 0}, {2, 2, 0}, {7, 0, 0}},
          {{0, 1}, {1, 2}, {2, 3}, {2, 4}, {3, 5}, {4, 6}});
    const float gauche_costly[3] = {0.0f, 0.0f, 50.0f};
    const std::vector<int> counts = visits(lattice, 3, gauche_costly, 3, 400);
    EXPECT_NEAR(counts[3], 200, 50);
}

TEST(Xltsaw, TorsionWeighsStepsFromTheFourthOn) {
    // From the fourth vertex the walk may go to A (gauche: 1.41 from the
    // second vertex) or to B (trans: 8 from it).
    TestLattice lattice;
    build(lattice,
          {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {2, 1, 0}, {9, 0, 0}, {2, 2, 0}, {10, 0, 0}},
          {{0, 1}, {1, 2}, {2, 3}, {3, 4}, {3, 5}, {4, 6}, {5, 7}});
    const float gauche_costly[3] = {0.0f, 0.0f, 50.0f};
    EXPECT_EQ(visits(lattice, 4, gauche_costly, 4, 400)[4], 0);
    EXPECT_NEAR(visits(lattice, 4, kNoParameters, 4, 400)[4], 200, 50);
}

TEST(Xltsaw, OnDiamondAHighGaucheEnergyLeavesMostlyTransPlacements) {
    const float points[6] = {0, 0, 0, -1, 0, 0};
    testing::internal::CaptureStderr();
    Entry* lattice = Xltgen(0, points, 10, nullptr, Qbdlen(6, 6));
    testing::internal::GetCapturedStderr();
    ASSERT_NE(lattice, nullptr);
    PreparedLattice placed = prepare_lattice(lattice, 0.0f, false);
    Record walk(Xnslwk(9));
    // Share of the steps from the fourth on that are gauche: within 3.24 (2.93
    // on diamond) rather than 3.86 of the vertex three steps back.
    auto gauche_share = [&](float energy) {
        const float params[3] = {0.0f, 0.0f, energy};
        int gauche = 0, placements = 0;
        Bsrand(3);
        testing::internal::CaptureStdout();
        for (int attempt = 0; attempt < 300; ++attempt) {
            if (!Xltsaw(lattice, placed.origin, 8, params, walk.get())) continue;
            for (int k = 3; k < 8; ++k, ++placements) {
                gauche += atom_distance(walk->vertices[k + 1], walk->vertices[k - 2]) < 3.24f;
            }
        }
        testing::internal::GetCapturedStdout();
        return static_cast<double>(gauche) / placements;
    };
    EXPECT_LT(gauche_share(50.0f), 0.02);
    EXPECT_NEAR(gauche_share(0.0f), 2.0 / 3.0, 0.1);
    std::free(placed.table);
    Qdlntr(lattice, nullptr);
}

TEST(Xltsaw, AHandMadeHubOfFourteenNeighboursIsExcludedAndWalkedLikeAnyVertex) {
    // The hub (vertex 0) is joined to a ring of fourteen vertices.
    TestLattice lattice;
    lattice.add(0, 0, 0, 0);
    for (int i = 0; i < 14; ++i) {
        const double angle = 2.0 * M_PI * i / 14.0;
        lattice.add(static_cast<float>(1.532 * std::cos(angle)),
                    static_cast<float>(1.532 * std::sin(angle)), 0, 1);
    }
    for (int i = 0; i < 14; ++i) {
        lattice.join(0, 1 + i);
        lattice.join(1 + i, 1 + (i + 1) % 14);
    }
    TestSphere far(100, 0, 0);
    const OccupancyCounts* counts =
        Xltocc(lattice.entry, nullptr, 1, &far.entry, kOccupancyFreeFirst, 0.5f);
    ASSERT_NE(counts, nullptr);
    EXPECT_EQ(counts->first_steps, 14);
    int n = 1;
    std::free(Xltwnum(lattice.entry, &n, nullptr));
    EXPECT_EQ(n, 15);
    const std::vector<int> counted = visits(lattice, 1, kNoParameters, 1, 1400);
    for (int i = 1; i <= 14; ++i) EXPECT_GT(counted[i], 0) << "ring vertex " << i;
}

TEST(Xltsaw, RefusesWithoutLatticeStartOrRoom) {
    TestLattice lattice, other;
    build_path(lattice, 4);
    build_path(other, 2);
    Entry outside;
    Record walk(Xnslwk(3));
    testing::internal::CaptureStderr();
    EXPECT_EQ(Xltsaw(nullptr, lattice[0], 2, kNoParameters, walk.get()), nullptr);
    EXPECT_EQ(Xltsaw(&outside, lattice[0], 2, kNoParameters, walk.get()), nullptr);
    EXPECT_EQ(Xltsaw(Qhead(), lattice[0], 2, kNoParameters, walk.get()), nullptr);
    EXPECT_EQ(Xltsaw(lattice.entry, other[0], 2, kNoParameters, walk.get()), nullptr);
    EXPECT_EQ(Xltsaw(lattice.entry, nullptr, 2, kNoParameters, walk.get()), nullptr);
    EXPECT_EQ(Xltsaw(lattice.entry, lattice[0], 3, kNoParameters, walk.get()), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "No lattice given!\nNo lattice given!\nNo lattice given!\n"
              "No starting vertex found!\nNo starting vertex found!\n"
              "No walk record with room for 3 steps!\n");
    EXPECT_TRUE(last_saw_attempt().refused);
    EXPECT_TRUE(last_saw_attempt().futile);
    EXPECT_EQ(lattice[1]->occupancy, 0.0f);
}

TEST(EnterableReach, MoreStepsThanVerticesReachableCanNeverSucceed) {
    TestLattice lattice;
    build_path(lattice, 6);
    EXPECT_EQ(enterable_reach(lattice[0]), 4);
    lattice[3]->occupancy = 3.0f;
    EXPECT_EQ(enterable_reach(lattice[0]), 2);
    lattice[3]->occupancy = std::nanf("");
    EXPECT_EQ(enterable_reach(lattice[0]), 2);
    EXPECT_TRUE(std::isnan(lattice[3]->occupancy));
    lattice[3]->occupancy = 1.0f; // freed by the next clean-up
    EXPECT_EQ(enterable_reach(lattice[0]), 4);
    EXPECT_EQ(lattice[3]->occupancy, 1.0f);
    lattice[3]->occupancy = 0.0f;

    Record walk(Xnslwk(6));
    EXPECT_EQ(Xltsaw(lattice.entry, lattice[0], 4, kNoParameters, walk.get()), walk.get());
    EXPECT_EQ(last_saw_attempt().reachable, 4);
    EXPECT_FALSE(last_saw_attempt().futile);
    EXPECT_EQ(Xltsaw(lattice.entry, lattice[0], 5, kNoParameters, walk.get()), nullptr);
    EXPECT_EQ(last_saw_attempt().steps, 4);
    EXPECT_TRUE(last_saw_attempt().futile);
    EXPECT_FALSE(last_saw_attempt().refused);
}

namespace {

// The walk as first described: every attempt recounts every vertex's degree
// and cleans up every vertex afterwards.
WalkRecord* reference_saw(Entry* lattice, Atom* start, int n, const float* params,
                          WalkRecord* walk) {
    bool found = false;
    for (Atom* v = first_atom(lattice); !atom_end(lattice, v); v = v->next)
        found = found || v == start;
    if (!found) return nullptr;
    for (Atom* v = first_atom(lattice); !atom_end(lattice, v); v = v->next)
        v->work = bond_count(v);
    std::memcpy(walk->params, params, sizeof walk->params);
    walk->nvertices = n + 1;
    walk->numbers[0] = 1;
    walk->elements[0] = 6;
    walk->vertices[0] = start;
    const float g = static_cast<float>(std::exp(-static_cast<double>(params[2])));
    start->occupancy = 1.0f;
    int k = 0;
    Atom* c = start;
    Atom *p1 = nullptr, *p2 = nullptr, *p3 = nullptr;
    while (n > 0) {
        std::vector<Atom*> candidates;
        std::vector<float> weights;
        float total = 0.0f;
        for (int i = 0; i < c->nslots; ++i) {
            if (!c->slots[i]) continue;
            Atom* u = Qbdnbr(c->slots[i], c);
            if (!(u->work >= 2 && u->occupancy < 1.0f)) continue;
            float w = 1.0f;
            if (params[0] != 0.0f && params[1] != 0.0f) {
                const float q = -u->charge / params[1];
                w = static_cast<float>(
                    std::exp(static_cast<double>(-params[0]) * std::exp(static_cast<double>(q))));
            }
            if (params[2] != 0.0f && p3 && atom_distance(u, p3) < 3.24) w = w * g;
            candidates.push_back(u);
            weights.push_back(w);
            total += w;
        }
        if (candidates.empty()) {
            if (k <= 3)
                std::printf("Dead end at %d, %s, %ld\n", k, c->label, static_cast<long>(c->serial));
            break;
        }
        const float r = Brandf() * total;
        float sum = 0.0f;
        std::size_t pick = candidates.size() - 1;
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            sum += weights[i];
            if (sum >= r) {
                pick = i;
                break;
            }
        }
        Atom* v = candidates[pick];
        ++k;
        walk->numbers[k] = static_cast<int>(v->serial);
        walk->elements[k] = 6;
        walk->vertices[k] = v;
        v->occupancy = 1.0f;
        if (k == n) break;
        p3 = p2;
        p2 = p1;
        p1 = v;
        c = v;
    }
    for (Atom* v = first_atom(lattice); !atom_end(lattice, v); v = v->next) {
        if (v->occupancy < 2.0f) v->occupancy = 0.0f;
    }
    return k < n ? nullptr : walk;
}

using Saw = WalkRecord* (*)(Entry*, Atom*, int, const float*, WalkRecord*);

// What an attempt leaves: the walk and every mark and degree, bit for bit.
struct Outcome {
    bool walked = false;
    std::vector<int> numbers;
    std::vector<std::uint32_t> marks;
    std::vector<std::int64_t> degrees;
    bool operator==(const Outcome&) const = default;
};

void record_lattice(const TestLattice& lattice, Outcome& outcome) {
    for (const Atom* v : lattice.vertices) {
        std::uint32_t bits;
        std::memcpy(&bits, &v->occupancy, sizeof bits);
        outcome.marks.push_back(bits);
        outcome.degrees.push_back(v->work);
    }
}

Atom* neighbour(const Atom* v, int slot) {
    return Qbdnbr(v->slots[slot], v);
}

// Marks every neighbour of v but `keep` as occupied.
void block_around(const Atom* v, const Atom* keep) {
    for (int i = 0; i < v->nslots; ++i) {
        if (v->slots[i] && neighbour(v, i) != keep) neighbour(v, i)->occupancy = 3.0f;
    }
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
    PreparedLattice placed = prepare_lattice(lattice.entry, 2.0f, false);
    PreparedLattice other_placed = prepare_lattice(other.entry, 2.0f, false);
    TestSphere sphere(0, 0, 0);
    Entry* spheres[] = {sphere.entry};
    Record walk(Xnslwk(41));

    std::vector<Outcome> outcomes;
    float params[3] = {0.0f, 0.0f, 0.0f};
    int n = 20;
    Bsrand(2024);
    testing::internal::CaptureStdout();
    for (int attempt = 0; attempt < 320; ++attempt) {
        switch (attempt) {
        case 30:
            Xltocc(lattice.entry, nullptr, 1, spheres, kOccupancyFreeFirst, 2.0f);
            params[0] = 1.5f;
            params[1] = 2.0f;
            params[2] = 0.8f;
            n = 40;
            break;
        case 120:
            neighbour(origin, 2)->occupancy = std::nanf("");
            neighbour(neighbour(origin, 3), 1)->occupancy = 1.5f;
            neighbour(neighbour(origin, 4), 2)->occupancy = -0.0f;
            note_marks_changed(lattice.entry);
            break;
        case 160: {
            int count = 0;
            Xltwnum(lattice.entry, &count, nullptr);
            break;
        }
        case 200:
            sphere.centre->x = -1.0f;
            Xltocc(lattice.entry, nullptr, 1, spheres, kOccupancyFreeFirst, 2.5f);
            params[0] = -1.0f;
            params[1] = 3.0f;
            params[2] = -0.5f;
            n = 30;
            break;
        case 250: {
            // Only the outward neighbour of the origin is open, and nothing beyond it.
            Atom* only_way = neighbour(origin, 0);
            for (int i = 1; i < origin->nslots; ++i) {
                if (origin->slots[i] && neighbour(origin, i)->x > only_way->x)
                    only_way = neighbour(origin, i);
            }
            block_around(origin, only_way);
            block_around(only_way, origin);
            note_marks_changed(lattice.entry);
            break;
        }
        case 280:
            Xltocc(lattice.entry, nullptr, 0, nullptr, kOccupancyFreeFirst, 2.5f);
            break;
        }
        const bool on_other = attempt >= 240 && attempt % 3 == 0;
        const int steps = attempt % 50 == 49 ? 0 : n;
        Outcome outcome;
        outcome.walked = on_other ? saw(other.entry, other_placed.origin, steps, params, walk.get())
                                  : saw(lattice.entry, placed.origin, steps, params, walk.get());
        outcome.numbers.assign(walk->numbers, walk->numbers + walk->capacity);
        record_lattice(lattice, outcome);
        record_lattice(other, outcome);
        outcomes.push_back(std::move(outcome));
    }
    *printed = testing::internal::GetCapturedStdout();
    std::free(placed.table);
    std::free(other_placed.table);
    return outcomes;
}

} // namespace

TEST(Xltsaw, EveryAttemptEndsAsTheFullPassesWouldLeaveIt) {
    std::string printed, expected_printed;
    const std::vector<Outcome> outcomes = run_attempts(Xltsaw, &printed);
    const std::vector<Outcome> expected = run_attempts(reference_saw, &expected_printed);
    ASSERT_EQ(outcomes.size(), expected.size());
    int walked = 0;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        ASSERT_EQ(outcomes[i], expected[i]) << "attempt " << i;
        walked += outcomes[i].walked;
    }
    EXPECT_EQ(printed, expected_printed);
    // Walks and dead ends both occur: the fresh lattices dead-end at once,
    // the blocked neighbour at the first step.
    EXPECT_GT(walked, 100);
    EXPECT_LT(walked, 300);
    EXPECT_EQ(printed.rfind("Dead end at 0, 0, 1\n", 0), 0u);
    EXPECT_NE(printed.find("Dead end at 1, 1, "), std::string::npos);
}
