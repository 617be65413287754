// Test helper: the root mean square of z-scores of estimates against exact
// values, which honest error bars keep near 1.
#pragma once

#include <cmath>

struct Scores {
    double square = 0.0;
    int count = 0;
    void add(double z) {
        square += z * z;
        ++count;
    }
    double rms() const { return std::sqrt(square / count); }
};
