// Walking the probe's grid step by step.
#include "sweep/sweep_grid.h"

#include <cstdio>

SweepGrid::SweepGrid(const GridSettings& settings)
    : settings_(settings),
      distances_(make_distance_grid(settings.distance, settings.shift, settings.radius)) {}

long SweepGrid::positions() const {
    long count = 0;
    for (const GridPoint& point : *this) count += point.position;
    return count;
}

SweepGrid::Iterator::Iterator(const SweepGrid* grid) : grid_(grid) {
    done_ = grid->distances_.count < 1;
    if (!done_) enter_distance(0);
}

SweepGrid::Iterator& SweepGrid::Iterator::operator++() {
    if (point_.position && phi_index_ + 1 < ring_.positions) {
        fill(phi_index_ + 1);
    } else if (point_.theta_index + 1 < thetas_) {
        enter_ring(point_.theta_index + 1);
    } else if (point_.distance_index + 1 < grid_->distances_.count) {
        enter_distance(point_.distance_index + 1);
    } else {
        done_ = true;
    }
    return *this;
}

void SweepGrid::Iterator::enter_distance(int i) {
    const GridSettings& s = grid_->settings_;
    const DistanceGrid& distances = grid_->distances_;
    point_.distance_index = i;
    point_.dist = grid_distance(distances, i);
    point_.volume = shell_volume(distances, i, point_.dist);
    thetas_ = theta_count(s.theta_count, point_.dist, distances.first, s.radius);
    dtheta_ = theta_step(thetas_);
    if (thetas_ >= 1) {
        enter_ring(0);
        return;
    }
    ring_ = ThetaRing{};
    point_.theta_index = -1;
    point_.theta = 0.0f;
    point_.weight = 0.0;
    fill(0);
    point_.ring_end = false;
}

void SweepGrid::Iterator::enter_ring(int j) {
    const GridSettings& s = grid_->settings_;
    ring_ = theta_ring(j, thetas_, dtheta_, s.phi_count, point_.dist, grid_->distances_.first,
                       s.radius);
    point_.theta_index = j;
    point_.theta = ring_.theta;
    point_.weight = ring_.weight;
    fill(0);
}

// Position k of the ring, or the ring's one step when it has no position.
void SweepGrid::Iterator::fill(int k) {
    phi_index_ = k;
    point_.position = k < ring_.positions;
    point_.phi = point_.position ? ring_.phi(k) : 0.0f;
    point_.probe =
        point_.position ? probe_position(point_.dist, ring_.theta, point_.phi) : ProbePosition{};
    point_.ring_end = k + 1 >= ring_.positions;
    point_.distance_end = point_.ring_end && point_.theta_index + 1 >= thetas_;
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
