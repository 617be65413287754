// A uniform grid of cells over the lattice vertices, to find the vertices
// near a point without a pass over the whole lattice.
#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

inline bool finite_point(const float* p) {
    return std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]);
}

// The extent of the points with finite coordinates among those added.
struct PointBounds {
    float low[3] = {INFINITY, INFINITY, INFINITY};
    float high[3] = {-INFINITY, -INFINITY, -INFINITY};
    int count = 0;  // points with finite coordinates

    void add(const float* p) {
        if (!finite_point(p)) return;
        for (int a = 0; a < 3; ++a) {
            low[a] = p[a] < low[a] ? p[a] : low[a];
            high[a] = p[a] > high[a] ? p[a] : high[a];
        }
        ++count;
    }
};

class VertexGrid {
public:
    VertexGrid() = default;
    // Grids n vertices whose coordinates are xyz[3k], xyz[3k + 1], xyz[3k + 2]
    // for vertex index k; `bounds` has had every one of them added (gathered
    // while the coordinates were written, it saves a pass over them).
    // Vertices with a coordinate that is not finite are left out: no finite
    // reach finds them.
    VertexGrid(const float* xyz, int n, const PointBounds& bounds);

    // Calls visit(k, p) for every gridded vertex k whose coordinates each lie
    // within `reach` of the point's, and for some more around them (the
    // caller tests each); p points at its x, y, z, kept cell by cell so that
    // neighbouring vertices are read from neighbouring memory. Point and
    // reach must be finite.
    template <typename F>
    void each_near(float x, float y, float z, double reach, F visit) const {
        int lo[3], hi[3];
        const float point[3] = {x, y, z};
        for (int a = 0; a < 3; ++a) {
            if (!cell_range(a, point[a], reach, &lo[a], &hi[a])) return;
        }
        for (int i = lo[0]; i <= hi[0]; ++i)
            for (int j = lo[1]; j <= hi[1]; ++j) {
                const std::int64_t row = (static_cast<std::int64_t>(i) * dims_[1] + j) * dims_[2];
                for (std::int64_t c = row + lo[2]; c <= row + hi[2]; ++c)
                    for (std::int32_t s = starts_[c]; s < starts_[c + 1]; ++s)
                        visit(members_[s].vertex, members_[s].xyz);
            }
    }

private:
    // The cells along axis a that hold coordinates within reach of p; false
    // when there are none.
    bool cell_range(int a, float p, double reach, int* lo, int* hi) const;
    int cell_of(int a, double coordinate) const;
    std::int64_t cell_index(const float* p) const;  // of a gridded vertex at p

    double low_[3] = {0.0, 0.0, 0.0};   // smallest coordinate per axis
    double high_[3] = {0.0, 0.0, 0.0};  // largest coordinate per axis
    double per_size_ = 1.0;             // 1 / the edge of a cell
    int dims_[3] = {0, 0, 0};           // cells per axis; 0 without vertices
    std::vector<std::int32_t> starts_;  // members of cell c: starts_[c] ... starts_[c + 1]
    // A vertex with its coordinates in one record: one stream of memory
    // while a cell's vertices are gone through.
    struct Member {
        float xyz[3];
        std::int32_t vertex;  // index
    };
    std::vector<Member> members_;  // cell by cell
};
