// Sweep positions one by one: distance by distance, polar angle by polar
// angle, azimuth by azimuth, as the sweep's own loops go.
#include "driver/sweep_order.h"

SweepOrder::SweepOrder(const SweepSettings& settings)
    : settings_(settings),
      grid_(make_distance_grid(settings.distance, settings.shift, settings.radius)) {}

bool SweepOrder::next(ProbePosition* probe) {
    while (phi_ >= ring_.positions) {
        if (++theta_ >= thetas_) {
            if (distance_ >= grid_.count) return false;
            dist_ = grid_distance(grid_, distance_++);
            thetas_ = theta_count(settings_.theta_count, dist_, grid_.first, settings_.radius);
            dtheta_ = theta_step(thetas_);
            theta_ = -1;
            continue;
        }
        ring_ = theta_ring(theta_, thetas_, dtheta_, settings_.phi_count, dist_, grid_.first,
                           settings_.radius);
        phi_ = 0;
    }
    *probe = probe_position(dist_, ring_.theta, ring_.phi(phi_++));
    return true;
}
