// Vertex numbering, the vertex table and the placement of a read lattice.
#include "lattice/enumeration.h"

#include <cstdio>

#include "base/alloc.h"
#include "lattice/marks.h"
#include "structure/geometry.h"
#include "structure/model.h"

Atom** Xltwnum(Entry* lattice, int* count, Atom** origin) {
    const bool want_table = (*count & 1) != 0;
    if (origin) *origin = nullptr;
    *count = 0;
    if (!lattice) return nullptr;
    int n = 0;
    for (Atom* a = first_atom(lattice); !atom_end(lattice, a); a = a->next) {
        a->serial = ++n;
        a->work = 0;
        if (origin && a->hcount == 0) *origin = a;
    }
    // Degrees in `work` are gone, so walk generation must recount them.
    note_marks_changed(lattice);
    *count = n;
    if (!want_table) return nullptr;
    auto** table =
        static_cast<Atom**>(Balo1(sizeof(Atom*) * static_cast<std::size_t>(n), "Xltwnum"));
    if (!table) {
        std::fprintf(stderr, "No memory (%d)\n", n);
        return nullptr;
    }
    for (Atom* a = first_atom(lattice); !atom_end(lattice, a); a = a->next)
        table[a->serial - 1] = a;
    return table;
}

PreparedLattice prepare_lattice(Entry* lattice, float shift, bool verbose) {
    PreparedLattice result;
    if (!lattice) return result;
    Atom* first = first_atom(lattice);
    if (atom_end(lattice, first)) {
        std::fprintf(stderr, "Lattice %s has no vertices!\n", lattice->name);
        return result;
    }
    const float x0 = first->x, y0 = first->y, z0 = first->z;
    const float tx = shift - x0, ty = -y0, tz = -z0;
    // The radius is measured from (shift - x0, 0, 0): the shifted origin for a
    // generated lattice, whose first vertex lies at (0, 0, 0).
    const float cx = shift - x0;
    int n = 0;
    int shells = 0;
    float radius = 0.0f;
    for (Atom* a = first; !atom_end(lattice, a); a = a->next) {
        a->x += tx;
        a->y += ty;
        a->z += tz;
        a->serial = ++n;
        const float r = vector_length(a->x - cx, a->y, a->z);
        if (r > radius) radius = r;
        if (a->hcount > shells) shells = a->hcount;
    }
    if (verbose) {
        std::fprintf(stderr, "%d shells, %d vertices, radius %f\n", shells, n, radius);
        std::fprintf(stderr, "Center (%f, %f, %f) shifted to %f, 0, 0\n", x0, y0, z0, shift);
    }
    result.n = 1;
    result.table = Xltwnum(lattice, &result.n, &result.origin);
    return result;
}
