// The four lattice types and the process-wide generation state that the
// direction builder and the vertex classifier read.
#pragma once

// Most directions any lattice type uses (face centred cubic).
constexpr int kMaxDirections = 12;

// Lattice type codes.
constexpr int kDiamond = 0;
constexpr int kSimpleCubic = 1;
constexpr int kBodyCentredCubic = 2;
constexpr int kFaceCentredCubic = 3;

struct LatticeType {
    const char* short_name;    // entry and file name prefix, e.g. "ldmd"
    const char* display_name;  // e.g. "diamond"
    int coordination;          // edges of an interior vertex = directions used
    bool two_sublattices;      // vertices alternate between +D_k and -D_k
    int ring_depth;            // bonds from the parent to ring-closure partners
};

// Number of lattice types (4); with names given, *names receives the display
// names in type-code order.
int Xltnty(const char* const** names);

// The row of a lattice type code (0..3); null outside.
const LatticeType* lattice_type(int code);

// Makes `code` (0..3) the type of the generation in progress; returns false,
// changing nothing, for a code outside.
bool set_generation_type(int code);

// The type code and row of the generation in progress (diamond until one is set).
int generation_code();
const LatticeType& generation_type();
