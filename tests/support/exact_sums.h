// Exact partition sums by visiting every walk, depth first, on the lattice
// entry itself: each step to a neighbour with two or more edges, a mark the
// generator's clean-up frees (below 2.0) and not yet on the walk, weighted by
// exp(-A e^(-d/lambda)) and exp(-E) where the new vertex lies within 3.24 of
// the vertex three steps back (from the fourth vertex after the origin on).
#pragma once

#include <cmath>
#include <functional>
#include <map>
#include <vector>

#include "lattice/enumeration.h"
#include "lattice/neighbours.h"
#include "walks/step_weights.h"
#include "structure/geometry.h"
#include "structure/model.h"

// Z_n for n = 0 ... steps, and with `each` the weight of every walk of full
// length by its vertex numbers.
inline std::vector<double> exact_sums(const PreparedLattice& lattice, WalkParameters p, int steps,
                                      std::map<std::vector<int>, double>* each = nullptr) {
    std::vector<double> z(static_cast<std::size_t>(steps) + 1, 0.0);
    std::vector<const Atom*> walk{lattice.origin};
    std::vector<int> numbers{static_cast<int>(lattice.origin->serial)};
    std::vector<bool> held(static_cast<std::size_t>(lattice.n) + 1, false);
    held[lattice.origin->serial] = true;
    auto weight = [&](const Atom* u) {
        double w = 1.0;
        if (p.strength != 0.0f && p.range != 0.0f)
            w = std::exp(-double{p.strength} * std::exp(-double{u->charge} / double{p.range}));
        const std::size_t k = walk.size() - 1;  // steps taken
        if (p.gauche_energy != 0.0f && k >= 3 && atom_distance(u, walk[k - 2]) < 3.24)
            w *= std::exp(-double{p.gauche_energy});
        return w;
    };
    std::function<void(double)> grow = [&](double w) {
        const std::size_t k = walk.size() - 1;
        z[k] += w;
        if (k == static_cast<std::size_t>(steps)) {
            if (each) (*each)[numbers] += w;
            return;
        }
        for_each_neighbour(walk.back(), [&](const Atom* u) {
            if (bond_count(u) < 2 || !(u->occupancy < 2.0f) || held[u->serial]) return;
            const double step = weight(u);
            held[u->serial] = true;
            walk.push_back(u);
            numbers.push_back(static_cast<int>(u->serial));
            grow(w * step);
            numbers.pop_back();
            walk.pop_back();
            held[u->serial] = false;
        });
    };
    grow(1.0);
    return z;
}
