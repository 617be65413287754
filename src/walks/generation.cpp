// Self-avoiding walks with interaction and torsion weights, and the upkeep of
// the lattice marks between attempts.
#include "walks/generation.h"

#include <cassert>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "base/random.h"
#include "lattice/marks.h"
#include "lattice/neighbours.h"
#include "structure/geometry.h"
#include "structure/model.h"
#include "walks/walk_record.h"

namespace {

constexpr float kFree = 0.0f;
constexpr float kOnWalk = 1.0f;
constexpr float kCleanedBelow = 2.0f;     // the clean-up frees marks below this; sphere marks stay
constexpr double kGaucheDistance = 3.24;  // vertices three steps apart: gauche 2.93, trans 3.86
constexpr int kCarbon = 6;

// The lattice the last full clean-up covered. While it still carries the note
// and the same first and last vertex and edge, its degrees and marks are as
// that clean-up left them and only a walk's own vertices need resetting.
struct LatticeShape {
    const Entry* lattice = nullptr;
    const Atom* start = nullptr;
    const Atom* first_vertex = nullptr;
    const Atom* last_vertex = nullptr;
    const Bond* first_edge = nullptr;
    const Bond* last_edge = nullptr;
    bool operator==(const LatticeShape&) const = default;
};

LatticeShape g_known;
int g_reachable = 0;  // enterable_reach of the known lattice's start vertex
SawAttempt g_attempt;

LatticeShape shape(const Entry* lattice, const Atom* start) {
    const Atom& vertices = lattice->atoms;
    const Bond& edges = lattice->bonds;
    return {lattice, start, vertices.next, vertices.prev, edges.next, edges.prev};
}

bool marks_are_known(const Entry* lattice, const Atom* start) {
    return marks_known(lattice) && shape(lattice, start) == g_known;
}

bool contains(Entry* lattice, const Atom* vertex) {
    for (Atom* v = first_atom(lattice); !atom_end(lattice, v); v = v->next) {
        if (v == vertex) return true;
    }
    return false;
}

void count_degrees(Entry* lattice) {
    for (Atom* v = first_atom(lattice); !atom_end(lattice, v); v = v->next) v->work = bond_count(v);
}

void clean_up(Entry* lattice) {
    for (Atom* v = first_atom(lattice); !atom_end(lattice, v); v = v->next) {
        if (v->occupancy < kCleanedBelow) v->occupancy = kFree;
    }
}

// Whether every vertex is as the full passes leave it (checked in debug builds).
[[maybe_unused]] bool as_cleaned_up(Entry* lattice) {
    for (Atom* v = first_atom(lattice); !atom_end(lattice, v); v = v->next) {
        const bool cleared = v->occupancy == kFree && !std::signbit(v->occupancy);
        if (v->work != bond_count(v) || (v->occupancy < kCleanedBelow && !cleared)) return false;
    }
    return true;
}

struct Candidate {
    Atom* vertex;
    float weight;
};

// Step weight of entering u: exp(-A e^(-d/lambda)) for the distance d to the
// molecule, times the gauche factor g when u lies within gauche distance of
// the vertex three steps back (p3).
float step_weight(const Atom* u, const Atom* p3, const float* params, float g) {
    const float strength = params[0], range = params[1], torsion = params[2];
    float w = 1.0f;
    if (strength != 0.0f && range != 0.0f) {
        const float q = -u->charge / range;
        const double x = static_cast<double>(-strength) * std::exp(static_cast<double>(q));
        w = static_cast<float>(std::exp(x));
    }
    if (torsion != 0.0f && p3 && atom_distance(u, p3) < kGaucheDistance) w = w * g;
    return w;
}

// The first candidate at which the running sum of weights reaches r; the last
// one when rounding keeps the sum below r.
Atom* choose(const std::vector<Candidate>& candidates, float r) {
    float sum = 0.0f;
    for (const Candidate& c : candidates) {
        sum += c.weight;
        if (sum >= r) return c.vertex;
    }
    return candidates.back().vertex;
}

// Steps from the start vertex until n steps or a dead end; returns the steps taken.
int grow(Atom* start, int n, const float* params, WalkRecord* walk) {
    const float g = static_cast<float>(std::exp(-static_cast<double>(params[2])));
    start->occupancy = kOnWalk;
    if (n <= 0) return 0;
    std::vector<Candidate> candidates;
    candidates.reserve(12);
    Atom* c = start;
    Atom *p1 = nullptr, *p2 = nullptr, *p3 = nullptr;  // the last three vertices added
    for (int k = 0;;) {
        candidates.clear();
        float total = 0.0f;
        for_each_neighbour(c, [&](Atom* u) {
            if (u->work < 2 || !(u->occupancy < kOnWalk)) return;
            const float w = step_weight(u, p3, params, g);
            total += w;
            candidates.push_back({u, w});
        });
        if (candidates.empty()) {
            if (k <= 3) {
                std::printf("Dead end at %d, %s, %ld\n", k, c->label, static_cast<long>(c->serial));
            }
            return k;
        }
        Atom* v = choose(candidates, Brandf() * total);
        ++k;
        walk->numbers[k] = static_cast<int>(v->serial);
        walk->elements[k] = kCarbon;
        walk->vertices[k] = v;
        v->occupancy = kOnWalk;
        if (k == n) return k;
        p3 = p2;
        p2 = p1;
        p1 = v;
        c = v;
    }
}

}  // namespace

WalkRecord* Xltsaw(Entry* lattice, Atom* start, int n, const float* params, WalkRecord* walk) {
    g_attempt = SawAttempt{};
    g_attempt.refused = g_attempt.futile = true;
    if (!lattice || lattice == Qhead() || !Qisntr(lattice, nullptr)) {
        std::fputs("No lattice given!\n", stderr);
        return nullptr;
    }
    const bool known = marks_are_known(lattice, start);
    if (!known && !contains(lattice, start)) {
        std::fputs("No starting vertex found!\n", stderr);
        return nullptr;
    }
    if (!walk || n >= walk->capacity) {
        std::fprintf(stderr, "No walk record with room for %d steps!\n", n);
        return nullptr;
    }
    if (known) {
        assert(as_cleaned_up(lattice));
    } else {
        count_degrees(lattice);
        g_known = shape(lattice, start);
        g_reachable = enterable_reach(start);
    }

    walk->params[0] = params[0];
    walk->params[1] = params[1];
    walk->params[2] = params[2];
    walk->nvertices = n + 1;
    walk->numbers[0] = 1;
    walk->elements[0] = kCarbon;
    walk->vertices[0] = start;
    const int k = grow(start, n, params, walk);

    if (known) {
        // Only the walk's vertices carry 1.0; everything else is as it was.
        for (int i = 0; i <= k; ++i) walk->vertices[i]->occupancy = kFree;
    } else {
        clean_up(lattice);
        note_marks_known(lattice);
    }
    g_attempt = {k, g_reachable, false, n > g_reachable};
    return k < n ? nullptr : walk;
}

const SawAttempt& last_saw_attempt() {
    return g_attempt;
}

int enterable_reach(Atom* start) {
    if (!start) return 0;
    // Each vertex found is kept from being found again by raising its mark to
    // kCleanedBelow for the time of the search; the marks are then restored.
    std::vector<std::pair<Atom*, float>> found{{start, start->occupancy}};
    start->occupancy = kCleanedBelow;
    for (std::size_t i = 0; i < found.size(); ++i) {
        for_each_neighbour(found[i].first, [&](Atom* u) {
            if (bond_count(u) < 2 || !(u->occupancy < kCleanedBelow)) return;
            found.emplace_back(u, u->occupancy);
            u->occupancy = kCleanedBelow;
        });
    }
    for (const auto& [v, occupancy] : found) v->occupancy = occupancy;
    return static_cast<int>(found.size()) - 1;
}
