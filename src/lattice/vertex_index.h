// The vertex index of a lattice record found from its address: records made
// one after another lie at equal strides, so most are found without reading
// them (their serial numbers lie anywhere among the lattice's records).
#pragma once

#include <cstdint>
#include <vector>

struct Atom;

class VertexIndex {
public:
    // table: the n vertices by index (number - 1).
    VertexIndex(Atom* const* table, int n);

    // The index k with table[k] == u, or -1 when u is not in the table.
    // Within a run of the table at equal strides the index is worked out from
    // the address and confirmed in the table (small, and in the cache);
    // otherwise the record's serial number is asked for and confirmed.
    std::int32_t operator()(const Atom* u) const;

private:
    struct Run {
        std::uintptr_t first = 0;  // address of the run's first record
        std::uintptr_t last = 0;   // and of its last
        std::int32_t index = 0;    // vertex index of the first record
        double per_byte = 0.0;     // 1 / stride; 0.0 for a single record
    };

    Atom* const* table_;
    int n_;
    std::vector<Run> runs_;  // by address
};
