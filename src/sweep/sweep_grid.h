// The probe's grid walked in the sweep's order: distance by distance, polar
// angle by polar angle, azimuth by azimuth, each position with what the rows
// and sums of a sweep need. Every sweep walks the grid here, and only here.
#pragma once

#include <functional>

#include "sweep/grid_geometry.h"

struct GridSettings {
    float shift = 0.0f;     // s: x of the lattice origin, the radius of the first sphere
    float radius = 0.0f;    // r: probe radius, greater than 0
    float distance = 0.0f;  // d: probe distance, or the end of a sweep from contact when negative
    int theta_count = 1;    // t: polar angles; 0 or less: chosen from the distance
    int phi_count = 1;      // p: azimuths; 0 or less: chosen from the distance and polar angle
};

// One step of the walk: a probe position, or, for a polar angle without
// positions or a distance without polar angles, a step without one, so that
// their rows still come. The last step of a polar angle and of a distance
// says so: their rows follow it.
struct GridPoint {
    bool position = true;       // false: a step without a position
    int distance_index = 0;     // i of the distance grid
    float dist = 0.0f;          // the probe's distance
    int theta_index = 0;        // j among the polar angles of the distance; -1: none
    float theta = 0.0f;         // polar angle
    float phi = 0.0f;           // azimuth
    ProbePosition probe{};      // the probe's centre
    double weight = 0.0;        // solid angle of each position of the polar angle
    double volume = 0.0;        // volume weight V of the distance
    bool ring_end = false;      // the polar angle's last step
    bool distance_end = false;  // the distance's last step
};

// What a sweep tells of its progress, before each position: the positions
// done and those of the whole sweep. Empty: nothing.
using SweepProgress = std::function<void(long done, long positions)>;

class SweepGrid {
public:
    explicit SweepGrid(const GridSettings& settings);

    const DistanceGrid& distances() const { return distances_; }
    // True when the grid has a distance; otherwise says why the sweep cannot run.
    bool has_distances() const;

    // Visits every step in order, as often as it is called; stops at a
    // visit that returns false, and then returns false.
    bool walk(const std::function<bool(const GridPoint&)>& visit) const;

    // Probe positions of the whole walk.
    long positions() const;

private:
    GridSettings settings_;
    DistanceGrid distances_;
};
