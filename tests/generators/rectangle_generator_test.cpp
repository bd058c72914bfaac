#include "generators/rectangle_generator.h"

#include <gtest/gtest.h>

#include "tests/generators/generator_cases.h"
#include "tests/generators/generator_oracle.h"

namespace {
RectangleParams randomParams(std::mt19937& rng) {
    RectangleParams q;
    q.xMin = int32_t(rng() % 50) - 5;
    q.yMin = int32_t(rng() % 50) - 5;
    q.xMax = int32_t(rng() % 80) - 5;
    q.yMax = int32_t(rng() % 80) - 5;
    q.rectangleCount = int32_t(1 + rng() % 12);
    return q;
}
}  // namespace

TEST(RectangleGenerator, FollowsTheDefinitionDrawForDraw) {
    compareGeneratorWithDefinition(
        300, 22, [](Picture* p, std::mt19937& rng, Interaction& ui) { drawRectangles(p, randomParams(rng), ui); },
        [](Picture* p, std::mt19937& rng, uint32_t seed) { oracle::drawRectangles(p, randomParams(rng), seed); });
}

TEST(RectangleGenerator, FollowsTheDefinitionOnPicturesFetchedAhead) {
    compareGeneratorWithDefinition(
        6, 24, [](Picture* p, std::mt19937& rng, Interaction& ui) { drawRectangles(p, randomParams(rng), ui); },
        [](Picture* p, std::mt19937& rng, uint32_t seed) { oracle::drawRectangles(p, randomParams(rng), seed); }, 1500,
        100);
}

TEST(RectangleGenerator, EmptySizesStillCountAndConsumeTheirDraws) {
    resetGeneratorState();
    PicturePtr p(createPicture(16, 16, 0));
    PicturePtr white(copyPicture(p.get()));
    FakeInteraction ui;
    drawRectangles(p.get(), RectangleParams{0, 5, 1, 9, 4}, ui);  // widths are always 0
    EXPECT_TRUE(samePixels(p.get(), white.get()));
    EXPECT_EQ(ui.progressed.size(), 4u);
    seedRandom(uint32_t(ui.clock));
    for (int i = 0; i < 4 * 7; ++i) nextRandom();  // corner 2, sizes 2, color 3
    const uint32_t expected = randomState();
    drawRectangles(p.get(), RectangleParams{0, 5, 1, 9, 4}, ui);
    EXPECT_EQ(randomState(), expected);
}

TEST(RectangleGenerator, InterruptionKeepsWhatWasDrawn) {
    resetGeneratorState();
    PicturePtr p(createPicture(40, 40, 0));
    FakeInteraction ui;
    ui.escapeAtPolls = {4};  // after the third rectangle
    drawRectangles(p.get(), RectangleParams{4, 4, 32, 32, 0}, ui);
    PicturePtr three(createPicture(40, 40, 0));
    FakeInteraction plain;
    drawRectangles(three.get(), RectangleParams{4, 4, 32, 32, 3}, plain);
    EXPECT_TRUE(samePixels(p.get(), three.get()));
}
