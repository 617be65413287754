// The Boltzmann factor of one step of a walk: the interaction with the first
// sphere through the entered vertex's distance to it, and the torsion factor
// of a gauche placement against the vertex three steps back.
#pragma once

#include <vector>

#include "walks/sampling_lattice.h"

// The three walk parameters, as a walk file's parameter line carries them.
struct WalkParameters {
    float strength = 0.0f;       // A, interaction strength (kT); > 0 repulsive
    float range = 0.0f;          // lambda, interaction distance (lattice length units)
    float gauche_energy = 0.0f;  // E, gauche-trans energy (kT)
};

class StepWeights {
public:
    StepWeights(const SamplingLattice& lattice, WalkParameters parameters);

    // exp(-A e^(-d/lambda)) for the vertex's distance d to the first sphere; 1
    // for every vertex when A or lambda is 0.
    double interaction(int v) const { return interaction_.empty() ? 1.0 : interaction_[v]; }

    bool has_torsion() const { return parameters_.gauche_energy != 0.0f; }

    // Whether u stands at gauche distance (below 3.24) from `reference`.
    bool gauche(int u, int reference) const;

    // The weight of entering u when the vertex three steps back is
    // `reference`; -1 when there is none: the test starts with the fourth
    // vertex after the origin, which is never a reference.
    double weight(int u, int reference) const {
        double w = interaction(u);
        if (reference >= 0 && has_torsion() && gauche(u, reference)) w *= gauche_factor_;
        return w;
    }

    // Whether every weight a step can have is finite.
    bool finite() const { return finite_; }

    // finite(), with a line on standard error naming the parameters when not.
    bool check_finite() const;

private:
    const SamplingLattice& lattice_;
    WalkParameters parameters_;
    std::vector<double> interaction_;  // by vertex; empty when every factor is 1
    double gauche_factor_ = 1.0;  // exp(-E)
    bool finite_ = true;
};
