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
            point.theta_index = j;
            point.theta = static_cast<float>(j) * dtheta;
            const bool pole = j == 0 || j == thetas - 1;  // one position there, φ = 0
            const int phis =
                phi_count(settings_.phi_count, point.dist, first, settings_.radius, point.theta);
            const float dphi = phi_step(phis);
            const int positions = pole ? 1 : phis;
            point.weight = solid_angle_weight(pole, point.theta, dtheta, phis);
            // A polar angle without positions is one step without one.
            for (int k = 0; k < positions || k == 0; ++k) {
                point.position = k < positions;
                // Never 0·Δφ at a pole: Δφ may be infinite there.
                point.phi = point.position && !pole ? static_cast<float>(k) * dphi : 0.0f;
                point.probe = point.position ? probe_position(point.dist, point.theta, point.phi)
                                             : ProbePosition{};
                point.ring_end = k + 1 >= positions;
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

bool SweepGrid::has_distances() const {
    if (distances_.count >= 1) return true;
    std::fprintf(stderr,
                 "No distance to evaluate: the sweep end %f lies inside the first sphere (radius "
                 "%f)!\n",
                 static_cast<double>(-settings_.distance), static_cast<double>(settings_.shift));
    return false;
}
