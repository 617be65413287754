// Walking the probe's grid step by step.
#include "sweep/sweep_grid.h"

#include <cstdio>

SweepGrid::SweepGrid(const GridSettings& settings)
    : settings_(settings),
      distances_(make_distance_grid(settings.distance, settings.shift, settings.radius)) {}

bool SweepGrid::walk(const std::function<bool(const GridPoint&)>& visit) const {
    const float first = distances_.first;
    for (int i = 0; i < distances_.count; ++i) {
        GridPoint point;
        point.distance_index = i;
        point.dist = grid_distance(distances_, i);
        point.volume = shell_volume(distances_, i, point.dist);
        const int thetas = theta_count(settings_.theta_count, point.dist, first, settings_.radius);
        const float dtheta = theta_step(thetas);
        if (thetas < 1) {  // one step without a position
            point.position = false;
            point.theta_index = -1;
            point.distance_end = true;
            if (!visit(point)) return false;
        }
        for (int j = 0; j < thetas; ++j) {
            const ThetaRing ring = theta_ring(j, thetas, dtheta, settings_.phi_count, point.dist,
                                              first, settings_.radius);
            point.theta_index = j;
            point.theta = ring.theta;
            point.weight = ring.weight;
            // A ring without positions is one step without one.
            for (int k = 0; k < ring.positions || k == 0; ++k) {
                point.position = k < ring.positions;
                point.phi = point.position ? ring.phi(k) : 0.0f;
                point.probe = point.position ? probe_position(point.dist, ring.theta, point.phi)
                                             : ProbePosition{};
                point.ring_end = k + 1 >= ring.positions;
                point.distance_end = point.ring_end && j + 1 == thetas;
                if (!visit(point)) return false;
            }
        }
    }
    return true;
}

long SweepGrid::positions() const {
    long count = 0;
    walk([&](const GridPoint& point) {
        count += point.position;
        return true;
    });
    return count;
}

bool grid_has_distances(const SweepGrid& grid) {
    if (grid.distances().count >= 1) return true;
    std::fprintf(stderr,
                 "No distance to evaluate: the sweep end %f lies inside the first sphere (radius "
                 "%f)!\n",
                 static_cast<double>(-grid.settings().distance),
                 static_cast<double>(grid.settings().shift));
    return false;
}
