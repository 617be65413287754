// The neighbours of a vertex: the other ends of its bonds, in slot order,
// empty slots skipped.
//
// A vertex may have any number of neighbours. Generated lattices have at most
// twelve (fcc), but a lattice read from a file can be made by hand; the sphere
// exclusion, walk generation, the enumeration and the CIF picture keep no
// fixed-size neighbour lists (candidates and first steps grow as needed), and
// the ring-closure search of lattice generation only ever sees generated
// lattices.
#pragma once

#include "structure/model.h"

template <typename F>
void for_each_neighbour(const Atom* v, F&& f) {
    for (int i = 0; i < v->nslots; ++i) {
        if (v->slots[i]) f(Qbdnbr(v->slots[i], v));
    }
}
