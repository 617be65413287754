// The packed class value of an atom of a point entry: its shell-like class
// (hcount, 0..127) and its class number (occupancy) folded into one integer.
#pragma once

#include "structure/model.h"

// -(int)(hcount + 128 * occupancy), the sum in single precision and truncated
// toward zero; 0 when the sum does not fit an int.
inline int packed_class(const Atom* atom) {
    float sum = static_cast<float>(atom->hcount) + 128.0f * atom->occupancy;
    if (!(sum > -2147483648.0f && sum < 2147483648.0f)) return 0;
    return -static_cast<int>(sum);
}
