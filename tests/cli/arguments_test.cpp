#include "cli/arguments.h"

#include <gtest/gtest.h>

TEST(Arguments, IntegersAreReadStrictly) {
    EXPECT_EQ(parseInt32("42"), 42);
    EXPECT_EQ(parseInt32("-7"), -7);
    EXPECT_EQ(parseInt32("+7"), 7);
    EXPECT_EQ(parseInt32("2147483647"), INT32_MAX);
    EXPECT_EQ(parseInt32("-2147483648"), INT32_MIN);
    for (const char* bad : {"", "-", "+", "2147483648", "-2147483649", "12x", " 1", "1 ", "0x10", "1.5", "--1"})
        EXPECT_FALSE(parseInt32(bad)) << bad;
    EXPECT_EQ(parseInt64("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(parseInt64("9223372036854775807"), INT64_MAX);
    EXPECT_FALSE(parseInt64("9223372036854775808"));
    EXPECT_FALSE(parseInt64("99999999999999999999"));
}

TEST(Arguments, ColorsAreWrittenRedFirstAndPackedRedLow) {
    EXPECT_EQ(parseHexColor("FF0000"), 0x0000FFu);
    EXPECT_EQ(parseHexColor("00ff00"), 0x00FF00u);
    EXPECT_EQ(parseHexColor("0000Ff"), 0xFF0000u);
    EXPECT_EQ(parseHexColor("123456"), 0x563412u);
    for (const char* bad : {"", "12345", "1234567", "GG0000", "#12345", "none"})
        EXPECT_FALSE(parseHexColor(bad)) << bad;
    EXPECT_EQ(parseOnOff("on"), true);
    EXPECT_EQ(parseOnOff("off"), false);
    EXPECT_FALSE(parseOnOff("ON"));
}
