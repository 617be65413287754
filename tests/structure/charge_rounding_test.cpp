// Charge rounding: the writers' tests show the remainder carried to the next
// atom; halves round away from zero.
#include "structure/charge_rounding.h"

#include <gtest/gtest.h>

TEST(ChargeRounding, HalvesRoundAwayFromZero) {
    float carry = 0.0f;
    EXPECT_FLOAT_EQ(Qchgrnd(0, &carry, -2.5f), -3.0f);
    EXPECT_FLOAT_EQ(carry, 0.5f);
    carry = 0.0f;
    EXPECT_FLOAT_EQ(Qchgrnd(0, &carry, 2.5f), 3.0f);
}
