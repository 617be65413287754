// Rounding of atom charges with the remainder carried to the next atom.
#include "structure/charge_rounding.h"

#include <cmath>

float Qchgrnd(int decimals, float* carry, float value) {
    float v = *carry + value;
    float scale = 1.0f;
    for (int i = 0; i < decimals; ++i) scale *= 10.0f;
    double scaled = static_cast<double>(v * scale);
    double whole = std::trunc(std::fabs(scaled) + 0.5);
    if (scaled < 0.0) whole = -whole;
    float rounded = static_cast<float>(whole / scale);
    *carry = v - rounded;
    return rounded;
}
