#include "generators/polygon_generator.h"

#include <gtest/gtest.h>

#include "tests/generators/generator_cases.h"
#include "tests/generators/generator_oracle.h"

namespace {
PolygonParams randomParams(std::mt19937& rng) {
    PolygonParams q;
    q.rayMin = int32_t(rng() % 40) - 3;
    q.rayMax = int32_t(rng() % 60) - 3;
    q.angMin = int32_t(1 + rng() % 120);
    q.angMax = int32_t(1 + rng() % 150);
    q.polygonCount = int32_t(1 + rng() % 6);
    q.polygonFill = uint8_t(rng() & 1);
    return q;
}

int painted(const Picture* p) {
    int n = 0;
    for (int32_t i = 0; i < p->width * p->height; ++i) n += std::memcmp(p->pixels + 4 * i, "\xff\xff\xff", 3) != 0;
    return n;
}
}  // namespace

TEST(PolygonGenerator, FollowsTheDefinitionDrawForDraw) {
    compareGeneratorWithDefinition(
        250, 23, [](Picture* p, std::mt19937& rng, Interaction& ui) { drawPolygons(p, randomParams(rng), ui); },
        [](Picture* p, std::mt19937& rng, uint32_t seed) { oracle::drawPolygons(p, randomParams(rng), seed); });
}

TEST(PolygonGenerator, FixedStepsMakeRegularFigures) {
    resetGeneratorState();
    paintSettings().connectable = 0;
    // Steps of 90 degrees: vertices at 90, 180 and 270, a triangle; no draws for
    // the walk, so the centre and color draws alone move the sequence.
    PicturePtr p(createPicture(64, 64, 0));
    FakeInteraction ui;
    drawPolygons(p.get(), PolygonParams{20, 20, 90, 90, 1, 1}, ui);
    EXPECT_GT(painted(p.get()), 0);
    seedRandom(uint32_t(ui.clock));
    for (int i = 0; i < 2 + 3; ++i) nextRandom();
    const uint32_t afterOne = randomState();
    drawPolygons(p.get(), PolygonParams{20, 20, 90, 90, 1, 1}, ui);
    EXPECT_EQ(randomState(), afterOne);

    // Steps of 180 degrees or more leave one vertex at most: nothing is drawn.
    PicturePtr q(createPicture(64, 64, 0));
    drawPolygons(q.get(), PolygonParams{20, 30, 180, 200, 5, 1}, ui);
    drawPolygons(q.get(), PolygonParams{20, 30, 180, 200, 5, 0}, ui);
    EXPECT_EQ(painted(q.get()), 0);
}

TEST(PolygonGenerator, WalksThatNeverReachAFullTurnStopWhenTheListIsFull) {
    resetGeneratorState();
    PicturePtr p(createPicture(32, 32, 0));
    for (PolygonParams q :
         {PolygonParams{5, 9, 0, 0, 2, 1}, PolygonParams{5, 9, -30, -10, 2, 0}, PolygonParams{5, 9, 0, 1, 1, 1}}) {
        FakeInteraction ui;
        drawPolygons(p.get(), q, ui);
        EXPECT_EQ(ui.progressed.size(), size_t(q.polygonCount));
    }
    // With steps 0 the walk makes one radius draw per pass: 16385 passes fill the
    // 32768 points, then the color (3) and nothing for the level.
    FakeInteraction ui;
    drawPolygons(p.get(), PolygonParams{5, 9, 0, 0, 1, 1}, ui);
    seedRandom(uint32_t(ui.clock));
    for (int i = 0; i < 2 + 16385 + 3; ++i) nextRandom();
    const uint32_t expected = randomState();
    drawPolygons(p.get(), PolygonParams{5, 9, 0, 0, 1, 1}, ui);
    EXPECT_EQ(randomState(), expected);
}
