// Walk scoring: the walk parameter set, the contact test of a walk against the
// marked probe sphere, and the fraction statistics of an ensemble.
#pragma once

#include "structure/model.h"

struct WalkRecord;

// Index of each parameter in the parameter set and in a record's params.
constexpr int kInteractionStrength = 0;
constexpr int kInteractionDistance = 1;
constexpr int kGaucheTransEnergy = 2;
constexpr int kWalkParameters = 3;

// The current values of the walk parameter set. Each out-argument may be null:
// count receives 3, names the three names followed by "lattice walks", helps
// the three help texts.
float* Xlwkpar(int* count, const char* const** names, const char* const** helps);

struct WalkHit {
    int hits = 0;  // 1 when a position after the first lies on a marked vertex
    int amp = 0;   // interaction strength * 100000 + 1 when newly reported, else 0
    int dist = 0;  // interaction distance * 100000 when newly reported, else 0
};

// Contact test of a walk record over positions 0 ... n - 1 (its vertices
// resolved by the caller). A walk without contact whose parameters differ from
// the pair last reported reports them in the codes. A null walk resets the
// remembered pair to (9999.0, -1.0) and gives all zeros.
WalkHit Xlwkhit(const WalkRecord* walk, int n);

// The same test for a walk entry: its atoms are the positions, their vertices
// set with set_walk_vertex, the charges of atoms 0 and 1 its strength and
// distance. A null entry resets like a null record.
WalkHit Xlwkhit(const Entry* walk);

// What Xlwkhit gives for a walk without contact that carries this parameter
// pair: the codes when the pair differs from the one last reported (a
// not-a-number value always differs), which then becomes the remembered one.
WalkHit report_free_walk(float strength, float distance);

// A walk entry's atom points at its lattice vertex through its monomer field.
inline void set_walk_vertex(Atom* walk_atom, Atom* vertex) {
    walk_atom->monomer = reinterpret_cast<Monomer*>(vertex);
}
inline const Atom* walk_vertex(const Atom* walk_atom) {
    return reinterpret_cast<const Atom*>(walk_atom->monomer);
}

// Fractions of an ensemble of `walks` of which `counted` are free.
struct WalkFraction {
    double touched = 0.0;      // 1 - counted / walks
    double free_energy = 0.0;  // -ln(counted / walks)
};

// Process-wide result overwritten by the next call; null when fewer than one
// walk was evaluated or counted.
const WalkFraction* Xlwkfrc(int walks, int counted);
