// The note a lattice entry carries while walk generation knows its vertex
// marks: every vertex's degree in `work`, every `occupancy` 0.0, >= 2.0 or NaN.
#pragma once

#include <cstdint>

#include "structure/model.h"

// Kept in the head atom's user2 word, which no file format carries.
constexpr std::int64_t kMarksKnown = 0x4c61747469636521;

// Set by walk generation after a clean-up of every vertex of the lattice.
inline void note_marks_known(Entry* lattice) {
    lattice->atoms.user2 = kMarksKnown;
}

// Whoever changes degrees, marks or edges of a lattice other than walk
// generation calls this, so that the next walk starts with full passes.
inline void note_marks_changed(Entry* lattice) {
    lattice->atoms.user2 = 0;
}

inline bool marks_known(const Entry* lattice) {
    return lattice->atoms.user2 == kMarksKnown;
}
