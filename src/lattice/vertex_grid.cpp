// The vertex grid: cells of equal size holding about one vertex each.
#include "lattice/vertex_grid.h"

#include <algorithm>
#include <cmath>

VertexGrid::VertexGrid(const float* xyz, int n, const PointBounds& bounds) {
    const int gridded = bounds.count;
    if (gridded == 0) return;
    std::copy_n(bounds.low, 3, low_);
    std::copy_n(bounds.high, 3, high_);
    // About as many cells as vertices over the widest extent; never more
    // cells per axis than vertices.
    const double widest = std::max({high_[0] - low_[0], high_[1] - low_[1], high_[2] - low_[2]});
    // (Coordinates are floats: a widest extent above 0 is at least about
    // 1e-45, so the cells per unit of length stay finite.)
    const double size = widest > 0.0 ? widest / std::cbrt(static_cast<double>(gridded)) : 1.0;
    per_size_ = 1.0 / size;
    std::int64_t cells = 1;
    for (int a = 0; a < 3; ++a) {
        const double span = std::floor((high_[a] - low_[a]) * per_size_) + 1.0;
        dims_[a] = static_cast<int>(std::min(span, static_cast<double>(gridded)));
        cells *= dims_[a];
    }
    // Counted into starts_[c], summed up to the end of each cell, then
    // counted down while the members are placed from the last vertex on:
    // starts_[c] ends at the start of cell c.
    starts_.assign(static_cast<std::size_t>(cells) + 1, 0);
    for (int k = 0; k < n; ++k) {
        const float* p = xyz + 3 * static_cast<std::size_t>(k);
        if (finite_point(p)) ++starts_[cell_index(p)];
    }
    for (std::int64_t c = 1; c < cells; ++c) starts_[c] += starts_[c - 1];
    starts_[cells] = gridded;
    members_.resize(static_cast<std::size_t>(gridded));
    for (int k = n - 1; k >= 0; --k) {
        const float* p = xyz + 3 * static_cast<std::size_t>(k);
        if (!finite_point(p)) continue;
        const std::int32_t s = --starts_[cell_index(p)];
        members_[s] = {{p[0], p[1], p[2]}, k};
    }
}

std::int64_t VertexGrid::cell_index(const float* p) const {
    return (static_cast<std::int64_t>(cell_of(0, p[0])) * dims_[1] + cell_of(1, p[1])) * dims_[2] +
           cell_of(2, p[2]);
}

// The cell's number is the floor of the position in cells, clamped to the
// grid; above 0 the floor is the integer part (without a call to floor).
int VertexGrid::cell_of(int a, double coordinate) const {
    const double index = (coordinate - low_[a]) * per_size_;
    if (!(index > 0.0)) return 0;
    if (index >= static_cast<double>(dims_[a] - 1)) return dims_[a] - 1;
    return static_cast<int>(index);
}

bool VertexGrid::cell_range(int a, float p, double reach, int* lo, int* hi) const {
    if (dims_[a] == 0) return false;
    const double from = static_cast<double>(p) - reach;
    const double to = static_cast<double>(p) + reach;
    if (to < low_[a] || from > high_[a]) return false;
    *lo = cell_of(a, from);
    *hi = cell_of(a, to);
    return true;
}
