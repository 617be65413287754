// The walk record: a walk's name, parameters and, per position, its lattice
// vertex number, element and vertex, allocated as one block.
#pragma once

#include <cstdint>

struct Atom;

struct WalkRecord {
    char name[128] = {};         // "wlk%d" for generated walks
    float params[3] = {};        // interaction strength, interaction distance, gauche-trans energy
    std::int32_t nvertices = 0;  // steps + 1; set by whoever fills the record
    std::int32_t capacity = 0;   // room for this many positions
    int* numbers = nullptr;      // lattice vertex number per position (1 = origin)
    int* elements = nullptr;     // element number per position
    Atom** vertices = nullptr;   // lattice vertex per position, or null
};

// A record with room for n positions (numbers 0, elements 6, no vertices),
// made by Balloc in four 16-byte-padded pieces under the tag "Xnslwk".
// Released by one free() of the record. Null for n < 1 or lack of memory.
WalkRecord* Xnslwk(int n);
