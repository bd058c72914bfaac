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
} // namespace

TEST(VectorGenerator, FollowsTheDefinitionDrawForDraw) {
    compareGeneratorWithDefinition(
        300, 24, [](Picture* p, std::mt19937& rng, Interaction& ui) { drawVectors(p, randomParams(rng), ui); },
        [](Picture* p, std::mt19937& rng, uint32_t seed) { oracle::drawVectors(p, randomParams(rng), seed); });
}

TEST(VectorGenerator, SeededPicturesArePinned) {
    struct Pin {
        uint8_t connectable, fill, mixFrom, mixTo;
        uint32_t crc;
    };
    for (const Pin& pin : {Pin{1, 1, 100, 100, 0x246428fbu}, Pin{0, 1, 100, 100, 0x5937ea7cu}, Pin{1, 0, 100, 100, 0x45112bd4u},
                           Pin{0, 0, 100, 100, 0x8347d8bcu}, Pin{1, 1, 30, 90, 0x65a10197u}, Pin{0, 0, 30, 90, 0xd6513a6eu}}) {
        resetGeneratorState();
        paintSettings().connectable = pin.connectable;
        paintSettings().mixFromPercent = pin.mixFrom;
        paintSettings().mixToPercent = pin.mixTo;
        PicturePtr p(createPicture(200, 150, 0));
        FakeInteraction ui;
        ui.clock = 42;
        drawVectors(p.get(), VectorParams{8, 256, 8, 48, 60, pin.fill}, ui);
        EXPECT_EQ(pixelCrc(p.get()), pin.crc) << std::hex << "connectable " << int(pin.connectable) << " fill "
                                              << int(pin.fill) << " mix " << int(pin.mixFrom) << " crc 0x"
                                              << pixelCrc(p.get());
    }
}

TEST(VectorGenerator, AbsurdSizesFinish) {
    resetGeneratorState();
    PicturePtr p(createPicture(32, 32, 0));
    FakeInteraction ui;
    drawVectors(p.get(), VectorParams{INT32_MAX - 5, INT32_MAX, INT32_MAX - 3, INT32_MAX, 1, 1}, ui);
    drawVectors(p.get(), VectorParams{INT32_MIN, INT32_MIN + 1, 4, 5, 1, 0}, ui);
    EXPECT_EQ(ui.progressed.size(), 2u);
}
