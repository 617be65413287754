// The arithmetic of the probe's grid: distances, polar angles and azimuths,
// probe positions, solid-angle weights and shell volumes. The single/double
// precision of every step is part of the result.
#pragma once

constexpr double kPi = 3.141592653589793;
constexpr double kTwoPi = 6.283185307179586;
constexpr double kFourPi = 12.566370614359172;

struct DistanceGrid {
    int count = 1;       // N
    float first = 0.0f;  // d0
    float step = 0.0f;   // Δd
    bool swept = false;  // true for a negative -d: the count line is printed
};

// d >= 0: the single distance d. d < 0: from contact (s + r) to |d|.
DistanceGrid make_distance_grid(float d, float s, float r);

// Distance i of the grid: i·Δd + d0 in single precision.
float grid_distance(const DistanceGrid& grid, int i);

// Number of polar angles at a distance for the theta count t.
int theta_count(int t, float dist, float first, float r);

// π/(T−1) held in single precision; 0 for fewer than two angles.
float theta_step(int count);

// Number of azimuths at polar angle theta for the phi count p.
int phi_count(int p, float dist, float first, float r, float theta);

// 2π/P held in single precision.
float phi_step(int count);

struct ProbePosition {
    float x = 0.0f, y = 0.0f, z = 0.0f;
};

// The probe centre for (dist, θ, φ); the polar axis is x.
ProbePosition probe_position(float dist, float theta, float phi);

// Solid angle of one direction: a polar cap at the poles (4π when there is
// only one polar angle), a ring segment elsewhere.
double solid_angle_weight(bool pole, float theta, float dtheta, int phis);

// Volume weight of distance i: dist² for a single distance, else the shell
// from dist − Δd/2 (dist itself for the first) to dist + Δd/2, over 3.
double shell_volume(const DistanceGrid& grid, int i, float dist);

// An angle in degrees, as printed.
double degrees(float angle);
