// The probe's exclusion near the probe. The full pass marks a vertex within
// the radius (3.0), then shuts in (4.0) every vertex left without a free
// neighbour, going through the lattice in list order. When every edge is seen
// from both ends and none is a loop, that order does not matter outside the
// radius: a vertex outside the radius with a neighbour outside it keeps that
// neighbour free (the neighbour could only be shut in by having no free
// neighbour, but the vertex is one). So the vertices shut in outside the
// radius are exactly those whose neighbours all lie within it, and the
// isolated ones. Only within the radius does the order tell 3.0 from 4.0.
#include "walks/probe_exclusion.h"

#include <algorithm>
#include <cmath>

#include "lattice/marks.h"
#include "lattice/neighbours.h"
#include "lattice/vertex_index.h"
#include "structure/model.h"

namespace {

// A vertex's bonds lie anywhere among the lattice's records: asked for this
// many vertices ahead, they are in the cache when needed.
constexpr int kAhead = 8;

void ask_for_bonds(const Atom* v) {
    for (int i = 0; i < v->nslots; ++i) __builtin_prefetch(v->slots[i]);
}

}  // namespace

ProbeExclusion::ProbeExclusion(Entry* lattice, Atom* const* table, int n, Entry* sphere)
    : lattice_(lattice), table_(table), sphere_(sphere) {
    if (!lattice || lattice->type != kTypeLattice || !sphere || !table || n < 1) return;
    const Atom* centre = first_atom(sphere);
    if (atom_end(sphere, centre) || !atom_end(sphere, centre->next)) return;
    PointBounds bounds;
    if (first_atom(lattice) != table[0] || !read_vertices(n, &bounds) || start_ < 0) return;
    start_neighbours_.assign(neighbours_.begin() + offsets_[start_],
                             neighbours_.begin() + offsets_[start_ + 1]);
    grid_ = VertexGrid(xyz_.data(), n, bounds);
    state_.assign(static_cast<std::size_t>(n), 0);
    applies_ = true;
}

// One pass over the vertices in table order: that the list follows the
// table, the start, the coordinates and their bounds, and the neighbour
// lists. False when a neighbour is not another vertex of the table, when a
// list names a neighbour twice, or when an edge is not seen from both ends.
//
// An edge is seen from both ends when every entry u of the list of v has v
// in the list of u. That is asked of the entries u < v only, whose lists are
// complete by then: with no neighbour named twice, that matches the entries
// pointing down one by one with entries pointing up, and when there are as
// many of each, the entries pointing up are all matched too.
bool ProbeExclusion::read_vertices(int n, PointBounds* bounds) {
    offsets_.assign(static_cast<std::size_t>(n) + 1, 0);
    xyz_.resize(3 * static_cast<std::size_t>(n));
    std::size_t down = 0;
    std::size_t up = 0;
    for (int v = 0; v < n; ++v) {
        if (v + kAhead < n) ask_for_bonds(table_[v + kAhead]);
        Atom* a = table_[v];
        if (atom_end(lattice_, a)) return false;
        const Atom* after = v + 1 < n ? table_[v + 1] : &lattice_->atoms;
        if (a->next != after) return false;
        if (start_ < 0 && a->hcount == 0) start_ = v;
        float* p = &xyz_[3 * static_cast<std::size_t>(v)];
        p[0] = a->x;
        p[1] = a->y;
        p[2] = a->z;
        bounds->add(p);

        const auto begin = static_cast<std::size_t>(offsets_[v]);
        bool known = true;
        for_each_neighbour(a, [&](Atom* u) {
            const std::int32_t w = vertex_index(u, table_, n);
            known = known && w >= 0 && w != v;
            neighbours_.push_back(w);
        });
        const std::size_t end = neighbours_.size();
        if (!known) return false;
        const auto list = neighbours_.begin();
        for (std::size_t i = begin; i < end; ++i) {
            const std::int32_t u = neighbours_[i];
            if (std::find(list + begin, list + i, u) != list + i) return false;
            if (u > v) {
                ++up;
            } else if (std::find(list + offsets_[u], list + offsets_[u + 1], v) ==
                       list + offsets_[u + 1]) {
                return false;
            } else {
                ++down;
            }
        }
        offsets_[v + 1] = static_cast<std::int32_t>(end);
        if (end == begin) isolated_.push_back(v);
    }
    return down == up;
}

void ProbeExclusion::forget_last_exclude() {
    for (const std::vector<std::int32_t>* last : {&inside_, &seen_, &start_neighbours_})
        for (std::int32_t v : *last) state_[v] &= kCounted;
    state_[start_] &= kCounted;
}

bool ProbeExclusion::exclude(float radius, bool progress, ProbeMarks* marks) {
    const Atom* centre = first_atom(sphere_);
    if (!applies_ || !std::isfinite(radius) || !(radius < 1000000.0f) ||
        !std::isfinite(centre->x) || !std::isfinite(centre->y) || !std::isfinite(centre->z))
        return false;
    note_marks_changed(lattice_);
    forget_last_exclude();

    // Within the radius: the single-precision distance below lies within a
    // few units in the last place of the exact one, so no vertex farther
    // than `reach` (the radius with a margin for that rounding) is within
    // it. The grid looks no farther along each axis, and the vertices beyond
    // `reach` in double precision need no distance of their own.
    inside_.clear();
    const double reach = static_cast<double>(radius) * (1.0 + 1e-5) + 1e-6;
    const double cx = centre->x, cy = centre->y, cz = centre->z;
    grid_.each_near(centre->x, centre->y, centre->z, reach, [&](std::int32_t v, const float* p) {
        const double dx = p[0] - cx, dy = p[1] - cy, dz = p[2] - cz;
        if (dx * dx + dy * dy + dz * dz > reach * reach) return;
        if (charge_at(p) <= radius) {
            state_[v] |= kInside;
            inside_.push_back(v);
        }
    });

    // The start's first steps: neighbours outside the radius, in slot order.
    float farthest = 0.0f;
    int first_steps = 0;
    state_[start_] |= kFirstStep;
    for (std::int32_t u : start_neighbours_) {
        const float charge = charge_of(u);
        if (charge > farthest) farthest = charge;
        if (charge > radius) {
            ++first_steps;
            state_[u] |= kFirstStep;
        }
    }

    seen_.clear();
    shut_in_.clear();
    for (std::int32_t v : inside_) {
        for (std::int32_t i = offsets_[v]; i < offsets_[v + 1]; ++i) {
            const std::int32_t u = neighbours_[i];
            if (state_[u] & (kInside | kSeen)) continue;
            state_[u] |= kSeen;
            seen_.push_back(u);
            const auto all_begin = neighbours_.begin() + offsets_[u];
            const auto all_end = neighbours_.begin() + offsets_[u + 1];
            if (std::all_of(all_begin, all_end, [&](std::int32_t w) { return is_inside(w); })) {
                state_[u] |= kClosed;
                shut_in_.push_back(u);
            }
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
            // Nothing else sets the element meanwhile: once is enough.
            if (!(state_[v] & kCounted)) {
                table_[v]->element = kCountedElement;
                state_[v] |= kCounted;
            }
            if (!(state_[v] & kFirstStep)) marks->marked.push_back(v);
        }
    }
    return true;
}

// Within the radius the full pass finds a free neighbour of v when some
// neighbour lies outside it and was not shut in before v.
bool ProbeExclusion::has_free_neighbour_when_passed(std::int32_t v) const {
    for (std::int32_t i = offsets_[v]; i < offsets_[v + 1]; ++i) {
        const std::int32_t u = neighbours_[i];
        if (!is_inside(u) && !((state_[u] & kClosed) && u < v)) return true;
    }
    return false;
}

void ProbeExclusion::mark_lattice() const {
    const int n = static_cast<int>(state_.size());
    for (int v = 0; v < n; ++v) {
        Atom* a = table_[v];
        a->charge = charge_of(v);
        a->occupancy = kVertexFree;
    }
    for (std::int32_t v : shut_in_) table_[v]->occupancy = kVertexShutIn;
    for (std::int32_t v : inside_)
        table_[v]->occupancy = has_free_neighbour_when_passed(v) ? kVertexOccupied : kVertexShutIn;
    for (std::int32_t v : start_neighbours_)
        if (state_[v] & kFirstStep) table_[v]->occupancy = kVertexFree;
    table_[start_]->occupancy = kVertexFree;
}
