// Replaying walks on the sampling lattice to sum the step weights of their candidates.
#include "stats/rosenbluth.h"

#include <cmath>
#include <cstdint>

#include "base/format.h"
#include "walks/sampling_lattice.h"
#include "walks/step_weights.h"

namespace {

// Without strength or range there is no interaction: such parameters give
// the same step weights as 0, 0.
WalkParameters effective(WalkParameters p) {
    if (p.strength == 0.0f || p.range == 0.0f) p.strength = p.range = 0.0f;
    return p;
}

bool same(WalkParameters a, WalkParameters b) {
    a = effective(a);
    b = effective(b);
    return a.strength == b.strength && a.range == b.range && a.gauche_energy == b.gauche_energy;
}

std::string described(WalkParameters p) {
    return formatted("strength %g, distance %g, gauche-trans energy %g",
                     static_cast<double>(p.strength), static_cast<double>(p.range),
                     static_cast<double>(p.gauche_energy));
}

// Walks of one length and one set of parameters, or the reason why not.
bool alike(const WalkArrays& walks, std::string& problem) {
    for (int i = 1; i < walks.size(); ++i) {
        if (walks.positions(i) != walks.positions(0)) {
            problem = "the walks differ in length (" + walks.label(0) + ": " +
                      std::to_string(walks.positions(0) - 1) + " steps, " + walks.label(i) + ": " +
                      std::to_string(walks.positions(i) - 1) + ")";
            return false;
        }
        if (!same(walks.params[i], walks.params[0])) {
            problem = "the walks grew with different parameters (" + walks.label(0) + ": " +
                      described(walks.params[0]) + "; " + walks.label(i) + ": " +
                      described(walks.params[i]) + ")";
            return false;
        }
    }
    return true;
}

}  // namespace

bool rosenbluth_log_weights(const PreparedLattice& prepared, const WalkArrays& walks,
                            std::vector<double>& log_weights, std::string& problem) {
    if (walks.size() == 0) {
        problem = "there are no walks";
        return false;
    }
    if (!alike(walks, problem)) return false;
    if (!prepared.origin) {
        problem = "the lattice has no origin vertex";
        return false;
    }
    const SamplingLattice lattice(prepared);
    const StepWeights weights(lattice, effective(walks.params[0]));
    if (!weights.finite()) {
        problem = "the walks' parameters (" + described(walks.params[0]) +
                  ") give step weights that are not finite";
        return false;
    }
    std::vector<int> on_walk(static_cast<std::size_t>(lattice.size()), -1);  // walk index
    log_weights.assign(static_cast<std::size_t>(walks.size()), 0.0);
    for (int i = 0; i < walks.size(); ++i) {
        const std::int32_t* walk = walks.walk(i);
        int current = lattice.origin();
        on_walk[current] = i;
        double log_weight = 0.0;
        for (int k = 1; k < walks.positions(i); ++k) {
            // The torsion test looks three steps back, from the fourth vertex on.
            const int reference = k >= 4 ? walk[k - 3] : -1;
            double sum = 0.0;
            bool allowed = false;
            for (const std::int32_t u : lattice.neighbours(current)) {
                if (!lattice.enterable(u) || on_walk[u] == i) continue;
                sum += weights.weight(u, reference);
                if (u == walk[k]) allowed = true;
            }
            if (!allowed) {
                problem =
                    walks.label(i) + " cannot have grown with these settings: its step " +
                    std::to_string(k) +
                    (walk[k] < 0 ? " names no lattice vertex"
                                 : " to vertex " + std::to_string(walk[k] + 1) + " was not free");
                return false;
            }
            log_weight += std::log(sum);
            current = walk[k];
            on_walk[current] = i;
        }
        if (!std::isfinite(log_weight)) {
            problem = walks.label(i) + " has a step whose candidates all weigh 0";
            return false;
        }
        log_weights[i] = log_weight;
    }
    return true;
}
