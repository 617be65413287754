// The sphere exclusion of the driver's single probe sphere worked out near
// the probe only: the same counts, progress lines and marks as a full pass
// of Xltocc, at a cost that depends on the probe's size, not the lattice's.
#pragma once

#include <cstdint>
#include <vector>

#include "lattice/vertex_grid.h"
#include "walks/exclusion.h"

struct Atom;
struct Entry;

// What an exclusion leaves: its counts and the vertices marked occupied or
// shut in (occupancy 1.0 or more) once the start and its first steps are free.
struct ProbeMarks {
    OccupancyCounts counts;
    std::vector<std::int32_t> marked;  // vertex indices (number - 1)
};

class ProbeExclusion {
public:
    // The lattice with its vertex table (n vertices in list order) and the
    // sphere entry. The local method applies only when the entry is a lattice with
    // a vertex of shell 0, its table lists the vertices in list order, every
    // edge joins two different vertices of the table and is seen from both
    // ends, no vertex has the same neighbour twice, and the sphere has
    // exactly one atom.
    ProbeExclusion(Entry* lattice, Atom* const* table, int n, Entry* sphere);

    // Does what Xltocc(lattice, none, 1, {sphere}, 8 | progress, radius) does
    // for the sphere atom where it stands now, as far as can be seen: the
    // progress lines when asked, the counts, element 16 on every counted
    // vertex (set once per vertex: nothing else changes the elements while
    // the probe moves), and the marked vertices in *marks (occupancy and
    // charge of the vertices are left alone). False, with nothing done, on a
    // lattice the method does not apply to, and for a position or radius it
    // cannot take (not finite, or a radius of 1000000 or more, which every
    // vertex falls within).
    bool exclude(float radius, bool progress, ProbeMarks* marks);

    // Leaves on every vertex the occupancy and charge that the full pass for
    // the last exclude would have left. Only after an exclude that returned
    // true, with the sphere atom where that exclude found it.
    void mark_lattice() const;

private:
    // Bits of state_: those of the last exclude, and kCounted for a vertex
    // whose element this object has set, which stays set.
    enum : std::uint8_t { kInside = 1, kSeen = 2, kClosed = 4, kFirstStep = 8, kCounted = 16 };

    bool read_vertices(int n, PointBounds* bounds);
    bool is_inside(std::int32_t v) const { return state_[v] & kInside; }
    float charge_at(const float* p) const {
        return sphere_charge_at(p[0], p[1], p[2], 1, &sphere_);
    }
    float charge_of(std::int32_t v) const {
        return charge_at(&xyz_[3 * static_cast<std::size_t>(v)]);
    }
    void forget_last_exclude();
    bool has_free_neighbour_when_passed(std::int32_t v) const;

    bool applies_ = false;
    Entry* lattice_;
    Atom* const* table_;
    Entry* sphere_;
    std::int32_t start_ = -1;                     // first vertex of shell 0 in list order
    std::vector<std::int32_t> start_neighbours_;  // its neighbours in slot order
    std::vector<std::int32_t> offsets_;           // neighbours of v: neighbours_[offsets_[v] ...]
    std::vector<std::int32_t> neighbours_;
    std::vector<std::int32_t> isolated_;  // vertices without neighbours: always shut in
    // x, y, z of vertex v at xyz_[3v ...], in one small array rather than
    // spread over the vertices (the lattice does not move meanwhile).
    std::vector<float> xyz_;
    VertexGrid grid_;
    std::vector<std::uint8_t> state_;  // per vertex, bits as above
    // The vertices of the last exclude within the radius, looked at outside
    // it, and shut in outside it.
    std::vector<std::int32_t> inside_;
    std::vector<std::int32_t> seen_;
    std::vector<std::int32_t> shut_in_;
};
