// Replaying walks on compact neighbour arrays to count their candidates.
#include "stats/rosenbluth.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>

#include "lattice/neighbours.h"
#include "structure/model.h"

namespace {

constexpr float kCleanedBelow = 2.0f;  // marks the generator's clean-up frees

// The lattice as the generator's candidate test sees it, indexed by vertex
// number - 1: whether a vertex can be entered at all, and its neighbours.
struct Moves {
    std::vector<std::uint8_t> enterable;  // two or more edges and no sphere mark
    std::vector<int> first;               // neighbours of v: next[first[v] .. first[v + 1] - 1]
    std::vector<int> next;
};

Moves lattice_moves(const PreparedLattice& lattice) {
    Moves moves;
    moves.first.push_back(0);
    for (int v = 0; v < lattice.n; ++v) {
        const Atom* vertex = lattice.table[v];
        moves.enterable.push_back(bond_count(vertex) >= 2 && vertex->occupancy < kCleanedBelow);
        for_each_neighbour(
            vertex, [&](const Atom* u) { moves.next.push_back(static_cast<int>(u->serial) - 1); });
        moves.first.push_back(static_cast<int>(moves.next.size()));
    }
    return moves;
}

// Uniform choice among the candidates needs a zero strength or distance and
// a zero gauche-trans energy.
bool grew_uniformly(const std::array<float, 3>& p) {
    return (p[0] == 0.0f || p[1] == 0.0f) && p[2] == 0.0f;
}

}  // namespace

bool rosenbluth_log_weights(const PreparedLattice& lattice, const WalkArrays& walks,
                            std::vector<double>& log_weights, std::string& problem) {
    for (int i = 0; i < walks.size(); ++i) {
        const auto& p = walks.params[i];
        if (!grew_uniformly(p)) {
            char values[128];
            std::snprintf(values, sizeof values, "strength %g, distance %g, gauche-trans energy %g",
                          p[0], p[1], p[2]);
            problem = walks.label(i) + " grew with interaction or torsion weights (" + values + ")";
            return false;
        }
        if (walks.positions(i) != walks.positions(0)) {
            problem = "the walks differ in length (" + walks.label(0) + ": " +
                      std::to_string(walks.positions(0) - 1) + " steps, " + walks.label(i) + ": " +
                      std::to_string(walks.positions(i) - 1) + ")";
            return false;
        }
    }
    if (!lattice.origin) {
        problem = "the lattice has no origin vertex";
        return false;
    }
    Moves moves = lattice_moves(lattice);
    const int origin = static_cast<int>(lattice.origin->serial) - 1;
    std::vector<int> on_walk(static_cast<std::size_t>(lattice.n), -1);  // walk index
    log_weights.assign(static_cast<std::size_t>(walks.size()), 0.0);
    for (int i = 0; i < walks.size(); ++i) {
        const std::int32_t* walk = walks.walk(i);
        int current = origin;
        on_walk[current] = i;
        double log_weight = 0.0;
        for (int k = 1; k < walks.positions(i); ++k) {
            int candidates = 0;
            bool allowed = false;
            for (int e = moves.first[current]; e < moves.first[current + 1]; ++e) {
                int u = moves.next[e];
                if (!moves.enterable[u] || on_walk[u] == i) continue;
                ++candidates;
                if (u == walk[k]) allowed = true;
            }
            if (!allowed) {
                std::string step = "its step " + std::to_string(k);
                problem =
                    walks.label(i) + " cannot have grown with these settings: " + step +
                    (walk[k] < 0 ? " names no lattice vertex"
                                 : " to vertex " + std::to_string(walk[k] + 1) + " was not free");
                return false;
            }
            log_weight += std::log(static_cast<double>(candidates));
            current = walk[k];
            on_walk[current] = i;
        }
        log_weights[i] = log_weight;
    }
    return true;
}
