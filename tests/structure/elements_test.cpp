#include "structure/elements.h"

#include <gtest/gtest.h>

TEST(Elements, SymbolsLookUpCaseInsensitively) {
    EXPECT_EQ(Qelnum("cl", 1), 17);
    EXPECT_EQ(Qelnum(" c", 1), 6);
    EXPECT_EQ(Qelnum("C", 1), 6);
    EXPECT_EQ(Qelnum("D", 1), 1);
    EXPECT_EQ(Qelnum("T", 1), 1);
    EXPECT_EQ(Qelnum("Fm", 1), 100);
    EXPECT_EQ(Qelnum("Sc", 1), 21);
    EXPECT_EQ(Qelnum("S1", 1), 16);
}

TEST(Elements, UnknownSymbolsAreReportedWithTheBell) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(Qelnum("Xx", 1), 0);
    EXPECT_EQ(Qelnum("", 1), 0);
    EXPECT_EQ(Qelnum("Xx", 0), 0);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Element not found : \aXx\nNO element name given!\a\n");
}

TEST(Elements, SymbolsByNumber) {
    char s[3];
    EXPECT_EQ(Qelsym(6, s), 0);
    EXPECT_STREQ(s, "C");
    EXPECT_EQ(Qelsym(17, s), 0);
    EXPECT_STREQ(s, "Cl");
    EXPECT_EQ(Qelsym(100, s), 0);
    EXPECT_STREQ(s, "Fm");
    EXPECT_EQ(Qelsym(0, s), 1);
    EXPECT_STREQ(s, "");
    EXPECT_EQ(Qelsym(101, s), 1);
    EXPECT_STREQ(s, "");
}

TEST(Elements, RadiiAndBondLengths) {
    EXPECT_EQ(Qbdlen(6, 6), 1.532f);
    EXPECT_EQ(Qelrad(1), 0.315f);
    EXPECT_EQ(Qelrad(97), 0.852f);
    EXPECT_EQ(Qelrad(0), 0.0f);
    EXPECT_EQ(Qbdlen(6, 101), 0.0f);
}

TEST(Elements, Valences) {
    EXPECT_EQ(Qelval(1), 1);
    EXPECT_EQ(Qelval(2), 0);
    EXPECT_EQ(Qelval(6), 4);
    EXPECT_EQ(Qelval(7), 3);
    EXPECT_EQ(Qelval(8), 2);
    EXPECT_EQ(Qelval(42), 6);
    EXPECT_EQ(Qelval(50), 4);
    EXPECT_EQ(Qelval(72), Qelval(40));
    EXPECT_EQ(Qelval(100), Qelval(68));
    EXPECT_EQ(Qelval(101), 0);
}
