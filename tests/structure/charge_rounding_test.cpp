#include "structure/charge_rounding.h"

#include <gtest/gtest.h>

TEST(ChargeRounding, RemainderIsCarriedToTheNextAtom) {
    float carry = 0.0f;
    EXPECT_FLOAT_EQ(Qchgrnd(3, &carry, 0.3334f), 0.333f);
    EXPECT_FLOAT_EQ(Qchgrnd(3, &carry, 0.3333f), 0.334f);
    EXPECT_FLOAT_EQ(Qchgrnd(3, &carry, 0.3333f), 0.333f);
}

TEST(ChargeRounding, HalvesRoundAwayFromZero) {
    float carry = 0.0f;
    EXPECT_FLOAT_EQ(Qchgrnd(0, &carry, -2.5f), -3.0f);
    EXPECT_FLOAT_EQ(carry, 0.5f);
    carry = 0.0f;
    EXPECT_FLOAT_EQ(Qchgrnd(0, &carry, 2.5f), 3.0f);
}
