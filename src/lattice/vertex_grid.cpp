// The vertex grid: cells of equal size holding about one vertex each.
#include "lattice/vertex_grid.h"

#include <algorithm>
#include <cmath>

namespace {

bool finite_position(const float* p) {
    return std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]);
}

}  // namespace

VertexGrid::VertexGrid(const float* xyz, int n) {
    int gridded = 0;
    for (int k = 0; k < n; ++k) {
        const float* p = xyz + 3 * k;
        if (!finite_position(p)) continue;
        for (int a = 0; a < 3; ++a) {
            const double c = p[a];
            if (gridded == 0 || c < low_[a]) low_[a] = c;
            if (gridded == 0 || c > high_[a]) high_[a] = c;
        }
        ++gridded;
    }
    if (gridded == 0) return;
    // About as many cells as vertices over the widest extent; never more
    // cells per axis than vertices.
    const double widest = std::max({high_[0] - low_[0], high_[1] - low_[1], high_[2] - low_[2]});
    size_ = widest > 0.0 ? widest / std::cbrt(static_cast<double>(gridded)) : 1.0;
    std::int64_t cells = 1;
    for (int a = 0; a < 3; ++a) {
        const double span = std::floor((high_[a] - low_[a]) / size_) + 1.0;
        dims_[a] = static_cast<int>(std::min(span, static_cast<double>(gridded)));
        cells *= dims_[a];
    }
    starts_.assign(static_cast<std::size_t>(cells) + 1, 0);
    std::vector<std::int64_t> cell(static_cast<std::size_t>(n), -1);
    for (int k = 0; k < n; ++k) {
        const float* p = xyz + 3 * k;
        if (!finite_position(p)) continue;
        cell[k] =
            (static_cast<std::int64_t>(cell_of(0, p[0])) * dims_[1] + cell_of(1, p[1])) * dims_[2] +
            cell_of(2, p[2]);
        ++starts_[cell[k] + 1];
    }
    for (std::int64_t c = 0; c < cells; ++c) starts_[c + 1] += starts_[c];
    members_.resize(static_cast<std::size_t>(gridded));
    points_.resize(3 * static_cast<std::size_t>(gridded));
    std::vector<std::int32_t> fill(starts_.begin(), starts_.end() - 1);
    for (int k = 0; k < n; ++k) {
        if (cell[k] < 0) continue;
        const std::int32_t s = fill[cell[k]]++;
        members_[s] = k;
        std::copy_n(xyz + 3 * static_cast<std::size_t>(k), 3, &points_[3 * static_cast<std::size_t>(s)]);
    }
}

int VertexGrid::cell_of(int a, double coordinate) const {
    const double index = std::floor((coordinate - low_[a]) / size_);
    return static_cast<int>(std::clamp(index, 0.0, static_cast<double>(dims_[a] - 1)));
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
