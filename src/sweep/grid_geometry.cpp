// The arithmetic of the probe's grid.
#include "sweep/grid_geometry.h"

#include <cmath>

DistanceGrid make_distance_grid(float d, float s, float r) {
    DistanceGrid grid;
    if (d >= 0.0f) {
        grid.first = d;
        return grid;
    }
    grid.swept = true;
    float contact = s + r;
    float span = std::fabs(d) - contact;
    grid.count = static_cast<int>(span / r + 3.0f) / 2;
    if (grid.count <= 1) {
        grid.first = contact + span / 2.0f;
    } else {
        grid.first = contact;
        grid.step = span / static_cast<float>(grid.count - 1);
    }
    return grid;
}

float grid_distance(const DistanceGrid& grid, int i) {
    return static_cast<float>(i) * grid.step + grid.first;
}

int theta_count(int t, float dist, float first, float r) {
    if (t > 0) return t;
    if (t == 0) return static_cast<int>(static_cast<double>(dist) * kPi / 2.0 / r + 2.0);
    float ratio = first / dist;
    return static_cast<int>(-t + ratio * (static_cast<double>(first) * kPi / 2.0 / r));
}

float theta_step(int count) {
    if (count < 2) return 0.0f;
    return static_cast<float>(kPi / (count - 1));
}

int phi_count(int p, float dist, float first, float r, float theta) {
    if (p > 0) return p;
    double sine = std::sin(static_cast<double>(theta));
    if (p == 0) return static_cast<int>(static_cast<double>(dist) * kPi * sine / r + 1.0);
    float ratio = first / dist;
    return static_cast<int>(-p + ratio * (static_cast<double>(first) * kPi * sine / r));
}

float phi_step(int count) {
    return static_cast<float>(kTwoPi / count);
}

ProbePosition probe_position(float dist, float theta, float phi) {
    double along = static_cast<double>(dist) * std::cos(static_cast<double>(theta));
    double across = static_cast<double>(dist) * std::sin(static_cast<double>(theta));
    return {static_cast<float>(along),
            static_cast<float>(across * std::sin(static_cast<double>(phi))),
            static_cast<float>(across * std::cos(static_cast<double>(phi)))};
}

double solid_angle_weight(bool pole, float theta, float dtheta, int phis) {
    if (pole) {
        if (dtheta == 0.0f) return kFourPi;
        float half = dtheta / 2.0f;
        return kTwoPi * (1.0 - std::cos(static_cast<double>(half)));
    }
    float half = dtheta / 2.0f;
    float lo = theta - half;
    float hi = theta + half;
    return kTwoPi * (std::cos(static_cast<double>(lo)) - std::cos(static_cast<double>(hi))) / phis;
}

double shell_volume(const DistanceGrid& grid, int i, float dist) {
    if (grid.count == 1) return dist * dist;
    float half = grid.step / 2.0f;
    float hi = dist + half;
    float lo = i == 0 ? dist : dist - half;
    float hi3 = hi * hi * hi;
    float lo3 = lo * lo * lo;
    return (static_cast<double>(hi3) - static_cast<double>(lo3)) / 3.0;
}

double degrees(float angle) {
    return static_cast<double>(angle) * 180.0 / kPi;
}
