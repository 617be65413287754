// Distances between points and atoms, in single precision.
#pragma once

struct Atom;

// Euclidean length of (dx, dy, dz) by the scaled sum of squares: a running
// scale (largest magnitude so far) and a running sum of squared ratios, so
// no intermediate square can overflow; zero components are skipped.
float vector_length(float dx, float dy, float dz);

// Distance of two atoms; the differences are formed in single precision.
float atom_distance(const Atom* a, const Atom* b);

// Distance of atom a to the point (x, y, z), as atom_distance gives it for an
// atom b standing there (differences a - point).
float point_distance(const Atom* a, float x, float y, float z);
