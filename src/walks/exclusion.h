// Sphere exclusion: marks the lattice vertices that spheres occupy or shut in,
// records each vertex's distance to the nearest sphere atom, and frees the
// start vertex with its free neighbours.
#pragma once

struct Atom;
struct Entry;

// The two counts of the last Xltocc, overwritten by the next call.
struct OccupancyCounts {
    int occupied = 0;     // vertices counted by the second marking pass
    int first_steps = 0;  // neighbours of the start vertex left free
};

// Mode bits of Xltocc.
constexpr int kOccupancyProgress = 4;   // progress lines on standard error
constexpr int kOccupancyFreeFirst = 8;  // first steps only to neighbours outside the radius

// Vertex marks (occupancy) the exclusion leaves.
constexpr float kVertexFree = 0.0f;
constexpr float kVertexOccupied = 3.0f;  // within the radius of a sphere atom
constexpr float kVertexShutIn = 4.0f;    // without a free neighbour

// Smallest distance from the vertex in *slot to an atom of the entry; *slot
// then holds that atom (the first of equally near ones). Null when the entry
// is missing (the slot is cleared) or the slot is missing or empty. The
// distance lives in process-wide storage; 1000000.0 for an entry without atoms.
const float* Xltdmin(Entry* entry, Atom** slot);

// Element number given to every vertex the second marking pass counts.
constexpr int kCountedElement = 16;

// The distance the first marking pass records in a vertex's charge: the
// smallest Xltdmin over the sphere entries, 9999999.0 when none gives one.
float sphere_charge(Atom* v, int nspheres, Entry* const* spheres);

// sphere_charge of a vertex standing at (x, y, z).
float sphere_charge_at(float x, float y, float z, int nspheres, Entry* const* spheres);

// The progress lines of mode bit 4: the vertices within the radius, the free
// first steps with the largest distance among the start's neighbours (no line
// for a negative count: no start vertex), and the second pass's count.
void print_exclusion_progress(int inside, int first_steps, float farthest, int occupied);

// Marks the lattice against the spheres: occupancy 0.0 free, 3.0 within the
// radius of a sphere atom, 4.0 shut in; charge the distance to the nearest
// sphere atom; element 16 on every counted vertex. Without a start vertex the
// first vertex of shell 0 is taken; with none at all nothing is freed and the
// first-step count is 0. Null when the entry is not a lattice, or when no
// sphere is given (after every mark and distance was reset to 0.0).
const OccupancyCounts* Xltocc(Entry* lattice, Atom* start, int nspheres, Entry* const* spheres,
                              int mode, float radius);
