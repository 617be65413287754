// The vertex index of a lattice record found from its address: the record's
// serial number, confirmed in the vertex table.
#pragma once

#include <cstdint>

#include "structure/model.h"

// The index k with table[k] == u among the n vertices, or -1 when u is not in
// the table.
inline std::int32_t vertex_index(const Atom* u, Atom* const* table, int n) {
    if (u->serial < 1 || u->serial > n || table[u->serial - 1] != u) return -1;
    return static_cast<std::int32_t>(u->serial - 1);
}
