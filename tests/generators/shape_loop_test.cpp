#include "generators/shape_loop.h"

#include <gtest/gtest.h>

#include <set>

#include "core/random_sequence.h"

TEST(ShapeLoop, SizesComeFromTheRangeOrItsMagnitude) {
    seedRandom(7);
    std::set<int64_t> seen;
    for (int i = 0; i < 5000; ++i) seen.insert(drawInRange(8, 32));
    EXPECT_EQ(*seen.begin(), 8);
    EXPECT_EQ(*seen.rbegin(), 31) << "the upper bound itself never occurs";
    seen.clear();
    for (int i = 0; i < 5000; ++i) seen.insert(drawInRange(32, 8));
    EXPECT_EQ(*seen.begin(), 32);
    EXPECT_EQ(*seen.rbegin(), 55) << "a reversed range runs over its magnitude";

    // An empty range is its minimum and consumes no draw.
    seedRandom(99);
    EXPECT_EQ(drawInRange(5, 5), 5);
    EXPECT_EQ(randomState(), 99u);
    // Extreme bounds do not overflow.
    EXPECT_GE(drawInRange(INT32_MIN, INT32_MAX), INT32_MIN);
    EXPECT_LE(drawInRange(INT32_MAX, INT32_MIN), int64_t(INT32_MAX) + 32767);
}
