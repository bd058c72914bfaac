#include "app/c_number.h"

#include <gtest/gtest.h>

TEST(DecimalToInt, ReadsLikeTheCLibrary) {
    EXPECT_EQ(decimalToInt("512"), 512);
    EXPECT_EQ(decimalToInt("  \t42abc"), 42);
    EXPECT_EQ(decimalToInt("-17"), -17);
    EXPECT_EQ(decimalToInt("+8"), 8);
    EXPECT_EQ(decimalToInt(""), 0);
    EXPECT_EQ(decimalToInt("abc"), 0);
    EXPECT_EQ(decimalToInt("- 5"), 0);
    EXPECT_EQ(decimalToInt("007"), 7);
}

TEST(DecimalToInt, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(decimalToInt("2147483647"), 2147483647);
    EXPECT_EQ(decimalToInt("2147483648"), 2147483647);
    EXPECT_EQ(decimalToInt("99999999999999999999999"), 2147483647);
    EXPECT_EQ(decimalToInt("-2147483648"), INT32_MIN);
    EXPECT_EQ(decimalToInt("-99999999999999999999"), INT32_MIN);
}

TEST(LowByte, KeepsTheLowEightBits) {
    EXPECT_EQ(lowByte(300), 44);
    EXPECT_EQ(lowByte(255), 255);
    EXPECT_EQ(lowByte(256), 0);
    EXPECT_EQ(lowByte(-1), 255);
}
