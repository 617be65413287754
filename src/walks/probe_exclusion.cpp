// The probe's exclusion near the probe. The full pass marks a vertex within
// the radius (3.0), then shuts in (4.0) every vertex left without a free
// neighbour, going through the lattice in list order. When every edge is seen
// from both ends and none is a loop, that order does not matter: a vertex
// outside the radius with a neighbour outside it keeps that neighbour free
// (the neighbour could only be shut in by having no free neighbour, but the
// vertex is one). So the vertices shut in outside the radius are exactly
// those whose neighbours all lie within it, and the isolated ones.
#include "walks/probe_exclusion.h"

#include <algorithm>
#include <cmath>

#include "lattice/marks.h"
#include "lattice/neighbours.h"
#include "structure/model.h"

namespace {

// The vertex index of a neighbour, or -1 when it is not the table's vertex.
std::int32_t index_of(const Atom* u, Atom* const* table, int n) {
    if (u->serial < 1 || u->serial > n || table[u->serial - 1] != u) return -1;
    return static_cast<std::int32_t>(u->serial - 1);
}

// The neighbours of the vertices lie anywhere among the lattice's records:
// asked for this many vertices ahead, they are in the cache when needed.
constexpr int kAhead = 8;

void ask_for_neighbours(const Atom* v) {
    for_each_neighbour(v, [](const Atom* u) { __builtin_prefetch(&u->serial); });
}

}  // namespace

ProbeExclusion::ProbeExclusion(Entry* lattice, Atom* const* table, int n, Entry* sphere)
    : lattice_(lattice), table_(table), sphere_(sphere) {
    if (!lattice || lattice->type != kTypeLattice || !sphere || !table) return;
    const Atom* centre = first_atom(sphere);
    if (atom_end(sphere, centre) || !atom_end(sphere, centre->next)) return;
    int k = 0;
    for (Atom* v = first_atom(lattice); !atom_end(lattice, v); v = v->next, ++k) {
        if (k >= n || table[k] != v) return;
        if (start_ < 0 && v->hcount == 0) start_ = k;
    }
    if (k != n || start_ < 0) return;

    offsets_.assign(static_cast<std::size_t>(n) + 1, 0);
    for (int v = 0; v < n; ++v) {
        if (v + kAhead < n) ask_for_neighbours(table[v + kAhead]);
        bool known = true;
        for_each_neighbour(table[v], [&](Atom* u) {
            const std::int32_t w = index_of(u, table, n);
            known = known && w >= 0 && w != v;
            neighbours_.push_back(w);
        });
        if (!known) return;
        offsets_[v + 1] = static_cast<std::int32_t>(neighbours_.size());
        if (offsets_[v + 1] == offsets_[v]) isolated_.push_back(v);
    }
    for (int v = 0; v < n; ++v) {
        for (std::int32_t i = offsets_[v]; i < offsets_[v + 1]; ++i) {
            const auto back_begin = neighbours_.begin() + offsets_[neighbours_[i]];
            const auto back_end = neighbours_.begin() + offsets_[neighbours_[i] + 1];
            if (std::find(back_begin, back_end, v) == back_end) return;
        }
    }
    start_neighbours_.assign(neighbours_.begin() + offsets_[start_],
                             neighbours_.begin() + offsets_[start_ + 1]);
    xyz_.resize(3 * static_cast<std::size_t>(n));
    for (int v = 0; v < n; ++v) {
        xyz_[3 * v] = table[v]->x;
        xyz_[3 * v + 1] = table[v]->y;
        xyz_[3 * v + 2] = table[v]->z;
    }
    grid_ = VertexGrid(xyz_.data(), n);
    inside_mark_.assign(static_cast<std::size_t>(n), 0);
    seen_mark_.assign(static_cast<std::size_t>(n), 0);
    free_mark_.assign(static_cast<std::size_t>(n), 0);
    applies_ = true;
}

float ProbeExclusion::charge_of(std::int32_t v) const {
    const float* p = &xyz_[3 * static_cast<std::size_t>(v)];
    return sphere_charge_at(p[0], p[1], p[2], 1, &sphere_);
}

void ProbeExclusion::next_stamp() {
    if (++stamp_ != 0) return;
    std::fill(inside_mark_.begin(), inside_mark_.end(), 0);
    std::fill(seen_mark_.begin(), seen_mark_.end(), 0);
    std::fill(free_mark_.begin(), free_mark_.end(), 0);
    stamp_ = 1;
}

bool ProbeExclusion::exclude(float radius, bool progress, ProbeMarks* marks) {
    const Atom* centre = first_atom(sphere_);
    if (!applies_ || !std::isfinite(radius) || !(radius < 1000000.0f) ||
        !std::isfinite(centre->x) || !std::isfinite(centre->y) || !std::isfinite(centre->z))
        return false;
    note_marks_changed(lattice_);
    next_stamp();

    // Within the radius: the distance below keeps every coordinate
    // difference within the radius, so the grid need look no farther (with a
    // margin for the rounding of the differences).
    inside_.clear();
    const double reach = static_cast<double>(radius) * (1.0 + 1e-5) + 1e-6;
    grid_.each_near(centre->x, centre->y, centre->z, reach, [&](std::int32_t v) {
        if (charge_of(v) <= radius) {
            inside_mark_[v] = stamp_;
            inside_.push_back(v);
        }
    });

    // The start's first steps: neighbours outside the radius, in slot order.
    float farthest = 0.0f;
    int first_steps = 0;
    free_mark_[start_] = stamp_;
    for (std::int32_t u : start_neighbours_) {
        const float charge = charge_of(u);
        if (charge > farthest) farthest = charge;
        if (charge > radius) {
            ++first_steps;
            free_mark_[u] = stamp_;
        }
    }

    shut_in_.clear();
    for (std::int32_t v : inside_) {
        for (std::int32_t i = offsets_[v]; i < offsets_[v + 1]; ++i) {
            const std::int32_t u = neighbours_[i];
            if (is_inside(u) || seen_mark_[u] == stamp_) continue;
            seen_mark_[u] = stamp_;
            const auto all_begin = neighbours_.begin() + offsets_[u];
            const auto all_end = neighbours_.begin() + offsets_[u + 1];
            if (std::all_of(all_begin, all_end, [&](std::int32_t w) { return is_inside(w); }))
                shut_in_.push_back(u);
        }
    }
    for (std::int32_t v : isolated_)
        if (!is_inside(v)) shut_in_.push_back(v);

    const int occupied = static_cast<int>(inside_.size() + shut_in_.size());
    if (progress)
        print_exclusion_progress(static_cast<int>(inside_.size()), first_steps, farthest, occupied);
    marks->counts.occupied = occupied;
    marks->counts.first_steps = first_steps;
    marks->marked.clear();
    for (const std::vector<std::int32_t>* counted : {&inside_, &shut_in_}) {
        for (std::int32_t v : *counted) {
            table_[v]->element = kCountedElement;
            if (free_mark_[v] != stamp_) marks->marked.push_back(v);
        }
    }
    return true;
}
