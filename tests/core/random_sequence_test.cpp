#include "core/random_sequence.h"

#include <gtest/gtest.h>

#include "tests/support/fake_interaction.h"

TEST(RandomSequence, IsTheFixedRecurrence) {
    seedRandom(1);
    const int32_t expected[] = {41, 18467, 6334, 26500, 19169};
    for (int32_t v : expected) EXPECT_EQ(nextRandom(), v);

    // Results span 0..32767 and the state wraps modulo 2^32.
    seedRandom(0xFFFFFFFFu);
    EXPECT_EQ(nextRandom(), int32_t(((0xFFFFFFFFu * 214013u + 2531011u) >> 16) & 0x7FFF));
    int32_t lo = 32767, hi = 0;
    for (int i = 0; i < 200000; ++i) {
        const int32_t v = nextRandom();
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 32767);
}

TEST(RandomSequence, ClockSeedKeepsTheLow32Bits) {
    FakeInteraction ui;
    ui.clock = (int64_t(3) << 32) + 77;
    EXPECT_EQ(clockSeed(ui), 77u);
    ui.clock = 1700000000;
    EXPECT_EQ(clockSeed(ui), 1700000000u);
}
