// Sphere exclusion on a lattice: vertex marks, distances and the free first steps.
#include "walks/exclusion.h"

#include <cstdio>
#include <vector>

#include "lattice/marks.h"
#include "lattice/neighbours.h"
#include "structure/geometry.h"
#include "structure/model.h"

namespace {

float g_distance = 0.0f;
OccupancyCounts g_counts;

// Smallest distance from the point to an atom of the entry, 1000000.0 when
// no atom is nearer; *nearest then holds the first of the nearest atoms.
float nearest_distance(Entry* entry, float x, float y, float z, Atom** nearest) {
    float dmin = 1000000.0f;
    for (Atom* a = first_atom(entry); !atom_end(entry, a); a = a->next) {
        const float d = point_distance(a, x, y, z);
        if (d < dmin) {
            dmin = d;
            *nearest = a;
        }
    }
    return dmin;
}

// Resets marks and distances; returns the first vertex of shell 0.
Atom* reset_marks(Entry* lattice) {
    Atom* origin = nullptr;
    for (Atom* v = first_atom(lattice); !atom_end(lattice, v); v = v->next) {
        v->charge = 0.0f;
        v->occupancy = kVertexFree;
        if (!origin && v->hcount == 0) origin = v;
    }
    return origin;
}

// Distance to the nearest sphere atom and occupancy 3.0 within the radius.
int mark_within_radius(Entry* lattice, int nspheres, Entry* const* spheres, float radius) {
    int count = 0;
    for (Atom* v = first_atom(lattice); !atom_end(lattice, v); v = v->next) {
        const float d = sphere_charge(v, nspheres, spheres);
        v->charge = d;
        if (d <= radius) {
            v->occupancy = kVertexOccupied;
            ++count;
        }
    }
    return count;
}

// Counts occupied vertices that still touch a free one, and shuts in (4.0)
// every vertex without a free neighbour. The pass changes marks as it goes,
// so a vertex shut in earlier is no longer free for the vertices after it.
int mark_shut_in(Entry* lattice) {
    int count = 0;
    for (Atom* v = first_atom(lattice); !atom_end(lattice, v); v = v->next) {
        bool free_neighbour = false;
        for_each_neighbour(
            v, [&](Atom* u) { free_neighbour = free_neighbour || u->occupancy == kVertexFree; });
        if (!free_neighbour) {
            v->occupancy = kVertexShutIn;
        } else if (!(v->occupancy > 1.0f)) {
            continue;
        }
        v->element = kCountedElement;
        ++count;
    }
    return count;
}

}  // namespace

float sphere_charge(Atom* v, int nspheres, Entry* const* spheres) {
    return sphere_charge_at(v->x, v->y, v->z, nspheres, spheres);
}

float sphere_charge_at(float x, float y, float z, int nspheres, Entry* const* spheres) {
    float d = 9999999.0f;
    for (int s = 0; s < nspheres; ++s) {
        if (!spheres[s]) continue;  // Xltdmin gives no distance
        Atom* nearest = nullptr;
        const float dmin = nearest_distance(spheres[s], x, y, z, &nearest);
        if (dmin < d) d = dmin;
    }
    return d;
}

void print_exclusion_progress(int inside, int first_steps, float farthest, int occupied) {
    std::fprintf(stderr, "%d occupied (1)\n", inside);
    if (first_steps >= 0)
        std::fprintf(stderr, "%d direct neighbours (%.2f)\n", first_steps, farthest);
    std::fprintf(stderr, "%d occupied (2)\n", occupied);
}

const float* Xltdmin(Entry* entry, Atom** slot) {
    if (!entry) {
        if (slot) *slot = nullptr;
        return nullptr;
    }
    if (!slot || !*slot) return nullptr;
    const Atom* vertex = *slot;
    g_distance = nearest_distance(entry, vertex->x, vertex->y, vertex->z, slot);
    return &g_distance;
}

const OccupancyCounts* Xltocc(Entry* lattice, Atom* start, int nspheres, Entry* const* spheres,
                              int mode, float radius) {
    if (!lattice || lattice->type != kTypeLattice) return nullptr;
    // The marks change, so what walk generation knows about them is stale.
    note_marks_changed(lattice);
    Atom* origin = reset_marks(lattice);
    if (!start) start = origin;
    if (nspheres < 1 || !spheres) return nullptr;

    const int inside = mark_within_radius(lattice, nspheres, spheres, radius);

    // The start vertex and the neighbours it may step to first.
    std::vector<Atom*> first_steps;
    float farthest = 0.0f;
    if (start) {
        first_steps.push_back(start);
        for_each_neighbour(start, [&](Atom* u) {
            if (u->charge > farthest) farthest = u->charge;
            if (!(mode & kOccupancyFreeFirst) || u->charge > radius) first_steps.push_back(u);
        });
    }
    const int listed = start ? static_cast<int>(first_steps.size()) - 1 : -1;

    const int occupied = mark_shut_in(lattice);
    // Nothing else is printed while the passes run, so the lines can wait.
    if (mode & kOccupancyProgress) print_exclusion_progress(inside, listed, farthest, occupied);

    for (Atom* v : first_steps) v->occupancy = kVertexFree;
    g_counts.occupied = occupied;
    g_counts.first_steps = start ? listed : 0;
    return &g_counts;
}
