// The neighbours of a vertex: the other ends of its bonds, in slot order,
// empty slots skipped.
#pragma once

#include "structure/model.h"

template <typename F> void for_each_neighbour(const Atom* v, F&& f) {
    for (int i = 0; i < v->nslots; ++i) {
        if (v->slots[i]) f(Qbdnbr(v->slots[i], v));
    }
}
