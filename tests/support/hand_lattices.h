// Hand-made lattices for the sampler's tests, numbered as the enumeration
// numbers them, with the vertex table the sampling lattice is built from.
#pragma once

#include <cstdlib>
#include <initializer_list>

#include "lattice/enumeration.h"
#include "support/lattices.h"

class NumberedLattice {
public:
    NumberedLattice() = default;
    ~NumberedLattice() { std::free(prepared.table); }
    NumberedLattice(const NumberedLattice&) = delete;
    NumberedLattice& operator=(const NumberedLattice&) = delete;

    // Numbers the vertices added so far and makes the table.
    void number() {
        int count = 1;
        prepared.table = Xltwnum(t.entry, &count, &prepared.origin);
        prepared.n = count;
    }

    TestLattice t;
    PreparedLattice prepared;
};

// A path of free vertices at the given x (the origin first), each with its
// distance to the sphere from `charges` (0 past their end). The last vertex
// has one edge and cannot be entered.
class PathLattice : public NumberedLattice {
public:
    PathLattice(std::initializer_list<float> xs, std::initializer_list<float> charges = {}) {
        auto charge = charges.begin();
        for (float x : xs) {
            Atom* v = t.add(x, 0.0f, 0.0f, t.size());
            v->occupancy = 0.0f;
            v->charge = charge == charges.end() ? 0.0f : *charge++;
        }
        for (int k = 0; k + 1 < t.size(); ++k) t.join(k, k + 1);
        number();
    }
};
