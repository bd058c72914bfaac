#include "generators/vector_generator.h"

#include <gtest/gtest.h>

#include "tests/generators/generator_cases.h"
#include "tests/generators/generator_oracle.h"

namespace {
VectorParams randomParams(std::mt19937& rng) {
    VectorParams q;
    q.lengthMin = int32_t(rng() % 60) - 3;
    q.lengthMax = int32_t(rng() % 90) - 3;
    q.weightMin = int32_t(rng() % 20) - 2;
    q.weightMax = int32_t(rng() % 30) - 2;
    q.vectorCount = int32_t(1 + rng() % 8);
    q.vectorFill = uint8_t(rng() & 1);
    return q;
}
}  // namespace

TEST(VectorGenerator, FollowsTheDefinitionDrawForDraw) {
    compareGeneratorWithDefinition(
        300, 24, [](Picture* p, std::mt19937& rng, Interaction& ui) { drawVectors(p, randomParams(rng), ui); },
        [](Picture* p, std::mt19937& rng, uint32_t seed) { oracle::drawVectors(p, randomParams(rng), seed); });
}

TEST(VectorGenerator, AbsurdSizesFinish) {
    resetGeneratorState();
    PicturePtr p(createPicture(32, 32, 0));
    FakeInteraction ui;
    drawVectors(p.get(), VectorParams{INT32_MAX - 5, INT32_MAX, INT32_MAX - 3, INT32_MAX, 1, 1}, ui);
    drawVectors(p.get(), VectorParams{INT32_MIN, INT32_MIN + 1, 4, 5, 1, 0}, ui);
    EXPECT_EQ(ui.progressed.size(), 2u);
}
