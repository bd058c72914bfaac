#include "core/c_integer.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(ParseCInteger, ReadsLikeTheCLibrary) {
    struct Case {
        const char* text;
        int32_t value;
    } const cases[] = {
        {"42", 42},
        {"  \t\n17", 17},
        {"-5", -5},
        {"+8", 8},
        {"007", 7},
        {"12abc", 12},
        {"3 4", 3},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"+-3", 0},
        {" - 3", 0},
        {"\v\f\r9", 9},
        {"x12", 0},
        {"-0", 0},
        {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN},
    };
    for (const Case& c : cases) EXPECT_EQ(parseCInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(ParseCInteger, OutOfRangeSaturatesInsteadOfWrapping) {
    EXPECT_EQ(parseCInteger("2147483648"), INT32_MAX);
    EXPECT_EQ(parseCInteger("-2147483649"), INT32_MIN);
    EXPECT_EQ(parseCInteger("99999999999999999999999999999999"), INT32_MAX);
    EXPECT_EQ(parseCInteger("-99999999999999999999999999999999"), INT32_MIN);
}

TEST(LowByte, KeepsTheLowEightBits) {
    EXPECT_EQ(lowByte(300), 44);
    EXPECT_EQ(lowByte(256), 0);
    EXPECT_EQ(lowByte(255), 255);
    EXPECT_EQ(lowByte(-1), 255);
    EXPECT_EQ(lowByte(100), 100);
}

}  // namespace
