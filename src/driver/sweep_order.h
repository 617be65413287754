// The probe positions of a sweep one after the other, in the order in which
// run_sweep scores them, for work done ahead of the sweep.
#pragma once

#include "driver/evaluation_sweep.h"
#include "driver/sweep_grid.h"

class SweepOrder {
public:
    explicit SweepOrder(const SweepSettings& settings);

    // The next position; false after the last.
    bool next(ProbePosition* probe);

private:
    SweepSettings settings_;
    DistanceGrid grid_;
    int distance_ = 0;  // index of the next distance
    float dist_ = 0.0f;
    int thetas_ = 0;
    float dtheta_ = 0.0f;
    int theta_ = 0;  // index of the ring
    ThetaRing ring_;
    int phi_ = 0;  // index of the next position on the ring
};
