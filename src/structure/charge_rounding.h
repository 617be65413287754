// Rounding of atom charges for the structure writers: the rounding error is
// carried from atom to atom so the written charges add up to the rounded total.
#pragma once

// Rounds *carry + value to `decimals` decimals (half away from zero), leaves
// the remainder in *carry and returns the rounded value. Start with *carry = 0.
float Qchgrnd(int decimals, float* carry, float value);
