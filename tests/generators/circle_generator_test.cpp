#include "generators/circle_generator.h"

#include <gtest/gtest.h>

#include "tests/generators/generator_cases.h"
#include "tests/generators/generator_oracle.h"

namespace {
CircleParams randomParams(std::mt19937& rng) {
    CircleParams q;
    q.rayMin = int32_t(rng() % 40) - 5;
    q.rayMax = int32_t(rng() % 60) - 5;  // reversed and empty ranges included
    q.circleCount = int32_t(1 + rng() % 12);
    return q;
}
}  // namespace

TEST(CircleGenerator, FollowsTheDefinitionDrawForDraw) {
    compareGeneratorWithDefinition(
        300, 21, [](Picture* p, std::mt19937& rng, Interaction& ui) { drawCircles(p, randomParams(rng), ui); },
        [](Picture* p, std::mt19937& rng, uint32_t seed) { oracle::drawCircles(p, randomParams(rng), seed); });
}

TEST(CircleGenerator, FollowsTheDefinitionOnPicturesFetchedAhead) {
    compareGeneratorWithDefinition(
        6, 23, [](Picture* p, std::mt19937& rng, Interaction& ui) { drawCircles(p, randomParams(rng), ui); },
        [](Picture* p, std::mt19937& rng, uint32_t seed) { oracle::drawCircles(p, randomParams(rng), seed); }, 1500,
        100);
}

TEST(CircleGenerator, EscapeIsPolledAtTheStartAndAfterEachDisc) {
    resetGeneratorState();
    PicturePtr p(createPicture(32, 32, 0));

    // Escape before the start: asked once, the answer does not stop the run.
    FakeInteraction early;
    early.escapeAtPolls = {1};
    drawCircles(p.get(), CircleParams{2, 5, 3}, early);
    EXPECT_EQ(early.questions.size(), 1u);
    EXPECT_EQ(early.progressed, (std::vector<int64_t>{1, 2, 3}));

    // Escape after the fourth disc of an endless run, answered Yes: four discs.
    FakeInteraction stop;
    stop.escapeAtPolls = {5};
    drawCircles(p.get(), CircleParams{2, 5, 0}, stop);
    EXPECT_EQ(stop.progressed.size(), 4u);
    EXPECT_EQ(stop.questionTexts(), (std::vector<std::string>{"Interrompre ?"}));

    // Answered No, the count still ends it.
    FakeInteraction no;
    no.escapeAtPolls = {2, 3};
    no.answerYes = false;
    drawCircles(p.get(), CircleParams{2, 5, 6}, no);
    EXPECT_EQ(no.progressed.size(), 6u);
    EXPECT_EQ(no.questions.size(), 2u);

    // A negative count also runs until interrupted.
    FakeInteraction negative;
    negative.escapeAtPolls = {3};
    drawCircles(p.get(), CircleParams{2, 5, -7}, negative);
    EXPECT_EQ(negative.progressed.size(), 2u);
}

TEST(CircleGenerator, NoPictureOrEmptyRangeIsHarmless) {
    resetGeneratorState();
    FakeInteraction ui;
    drawCircles(nullptr, CircleParams{}, ui);
    EXPECT_TRUE(ui.progressed.empty());
    PicturePtr p(createPicture(8, 8, 0));
    drawCircles(p.get(), CircleParams{3, 3, 5}, ui);
    EXPECT_EQ(ui.progressed.size(), 5u);
}
