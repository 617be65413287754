// Step weights from the walk parameters, the distances to the sphere and the positions.
#include "walks/step_weights.h"

#include <cmath>
#include <cstdio>

#include "structure/geometry.h"

namespace {

// Vertices three steps apart on the diamond lattice: gauche 2.93, trans 3.86.
constexpr double kGaucheDistance = 3.24;

}  // namespace

StepWeights::StepWeights(const SamplingLattice& lattice, WalkParameters parameters)
    : lattice_(lattice), parameters_(parameters) {
    gauche_factor_ = std::exp(-static_cast<double>(parameters.gauche_energy));
    finite_ = std::isfinite(gauche_factor_);
    if (parameters.strength == 0.0f || parameters.range == 0.0f) return;
    const double strength = parameters.strength, range = parameters.range;
    interaction_.resize(static_cast<std::size_t>(lattice.size()));
    for (int v = 0; v < lattice.size(); ++v) {
        const double w = std::exp(-strength * std::exp(-lattice.charge(v) / range));
        interaction_[v] = w;
        if (lattice.enterable(v) && !std::isfinite(w)) finite_ = false;
    }
}

bool StepWeights::check_finite() const {
    if (finite_) return true;
    std::fprintf(stderr,
                 "The walk parameters A = %g, lambda = %g, E = %g give step weights that are not "
                 "finite!\n",
                 static_cast<double>(parameters_.strength), static_cast<double>(parameters_.range),
                 static_cast<double>(parameters_.gauche_energy));
    return false;
}

bool StepWeights::gauche(int u, int reference) const {
    const float* a = lattice_.position(u);
    const float* b = lattice_.position(reference);
    return vector_length(a[0] - b[0], a[1] - b[1], a[2] - b[2]) < kGaucheDistance;
}
