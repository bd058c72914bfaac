// The subtractive generator through RandomTable: exact draws for fixed seeds.
#include "runtime_host.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

const RandomTable& randoms() { return *runtimeRoot().randomTable; }

struct GeneratorFree {
    void operator()(RandomGenerator* g) const { randoms().destroyRandom(g); }
};
using Generator = std::unique_ptr<RandomGenerator, GeneratorFree>;

Generator seeded(int32_t seed) {
    Generator g(randoms().createStandardRandom());
    randoms().seedGenerator(g.get(), seed);
    return g;
}

constexpr double unitScale = 1.0 / 2147483647.0;

TEST(Random, SeedZeroGivesThePublishedFirstDraws) {
    Generator g = seeded(0);
    EXPECT_EQ(randoms().nextUnit(g.get()), 1559595546 * unitScale);
    EXPECT_EQ(randoms().nextUnit2(g.get()), 1755192844 * unitScale);
    EXPECT_EQ(randoms().nextUnit(g.get()), 1649316166 * unitScale);

    randoms().seedGenerator(g.get(), 0);
    const int32_t expected[] = {72, 81, 76, 55, 20};
    for (int32_t e : expected) EXPECT_EQ(randoms().nextBelow(g.get(), 100), e);
}

TEST(Random, SameSeedSameSequenceAndSignOfSeedIgnored) {
    Generator a = seeded(12345), b = seeded(12345), c = seeded(-12345), d = seeded(12346);
    bool differs = false;
    for (int i = 0; i < 200; ++i) {
        int32_t va = randoms().nextInRange(a.get(), -1000, 1000);
        EXPECT_EQ(va, randoms().nextInRange(b.get(), -1000, 1000));
        EXPECT_EQ(va, randoms().nextInRange(c.get(), -1000, 1000));
        differs |= va != randoms().nextInRange(d.get(), -1000, 1000);
    }
    EXPECT_TRUE(differs);
}

TEST(Random, DegenerateRangesAndWhetherTheyDraw) {
    Generator g = seeded(0), reference = seeded(0);
    EXPECT_EQ(randoms().nextInRange(g.get(), 5, 3), 5);  // no draw
    EXPECT_EQ(randoms().nextBelow(g.get(), -4), -4);     // no draw
    EXPECT_EQ(randoms().nextUnit(g.get()), randoms().nextUnit(reference.get()));

    EXPECT_EQ(randoms().nextInRange(g.get(), 7, 7), 7);  // one draw
    randoms().advanceRandom(reference.get());
    EXPECT_EQ(randoms().nextBelow(g.get(), 0), 0);  // one draw
    randoms().advanceRandom(reference.get());
    EXPECT_EQ(randoms().nextUnit(g.get()), randoms().nextUnit(reference.get()));
}

TEST(Random, ResultsStayInsideTheirRanges) {
    Generator g = seeded(99);
    for (int i = 0; i < 2000; ++i) {
        int32_t v = randoms().nextInRange(g.get(), -3, 4);
        EXPECT_GE(v, -3);
        EXPECT_LT(v, 4);
        // A range wider than 31 bits uses the wide draw and must not overflow.
        int32_t w = randoms().nextInRange(g.get(), INT_MIN, INT_MAX);
        EXPECT_LT(w, INT_MAX);
        double u = randoms().nextUnitWide(g.get());
        EXPECT_GE(u, 0.0);
        EXPECT_LT(u, 1.0);
        int32_t b = randoms().nextBelow(g.get(), 10);
        EXPECT_GE(b, 0);
        EXPECT_LT(b, 10);
    }
}

TEST(Random, BytesAreTheLowBytesOfSuccessiveDraws) {
    Generator g = seeded(0);
    uint8_t bytes[3] = {};
    randoms().nextBytes(g.get(), bytes, 3);
    EXPECT_EQ(bytes[0], uint8_t(1559595546 & 0xFF));
    EXPECT_EQ(bytes[1], uint8_t(1755192844 & 0xFF));
    EXPECT_EQ(bytes[2], uint8_t(1649316166 & 0xFF));
    randoms().nextBytes(g.get(), nullptr, 10);  // ignored
}

TEST(Random, ExtremeSeedsAreDeterministic) {
    Generator a = seeded(INT_MIN), b = seeded(INT_MIN), c = seeded(INT_MAX);
    for (int i = 0; i < 10; ++i) {
        double v = randoms().nextUnit(a.get());
        EXPECT_EQ(v, randoms().nextUnit(b.get()));
        EXPECT_EQ(v, randoms().nextUnit(c.get()));
    }
}

TEST(Random, CustomStateSizesAndRefusedShapes) {
    Generator standard = seeded(42);
    Generator custom(randoms().createRandom(56, 21));
    ASSERT_NE(custom, nullptr);
    randoms().seedGenerator(custom.get(), 42);
    for (int i = 0; i < 100; ++i) EXPECT_EQ(randoms().nextUnit(custom.get()), randoms().nextUnit(standard.get()));

    Generator small(randoms().createRandom(10, 3));
    ASSERT_NE(small, nullptr);
    randoms().seedGenerator(small.get(), 1);
    for (int i = 0; i < 100; ++i) {
        double u = randoms().nextUnit(small.get());
        EXPECT_GE(u, 0.0);
        EXPECT_LT(u, 1.0);
    }
    // Shapes whose indices would leave the state are refused.
    EXPECT_EQ(randoms().createRandom(1, 0), nullptr);
    EXPECT_EQ(randoms().createRandom(56, 56), nullptr);
    EXPECT_EQ(randoms().createRandom(56, -1), nullptr);
    randoms().destroyRandom(nullptr);
}

}  // namespace
