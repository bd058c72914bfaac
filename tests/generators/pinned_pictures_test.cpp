// Seeded pictures of every generator, each pinned in one CRC-32: any change to
// the draw order, the primitives or the blending shows here.
#include <gtest/gtest.h>

#include "generators/circle_generator.h"
#include "generators/polygon_generator.h"
#include "generators/rectangle_generator.h"
#include "generators/vector_generator.h"
#include "tests/generators/generator_cases.h"

namespace {

using Draw = void (*)(Picture*, uint8_t fill, Interaction&);

void circles(Picture* p, uint8_t, Interaction& ui) { drawCircles(p, CircleParams{8, 32, 150}, ui); }
void rectangles(Picture* p, uint8_t, Interaction& ui) { drawRectangles(p, RectangleParams{4, 4, 32, 32, 150}, ui); }
void polygons(Picture* p, uint8_t fill, Interaction& ui) {
    drawPolygons(p, PolygonParams{16, 64, 8, 32, 40, fill}, ui);
}
void vectors(Picture* p, uint8_t fill, Interaction& ui) { drawVectors(p, VectorParams{8, 256, 8, 48, 60, fill}, ui); }

struct Pin {
    const char* generator;
    Draw draw;
    uint8_t connectable, fill, mixFrom, mixTo;
    uint32_t crc;
};

// Circles and rectangles have no fill choice: their rows carry 0.
const Pin kPins[] = {
    {"circle", circles, 1, 0, 100, 100, 0x629a6f18u},       {"circle", circles, 0, 0, 100, 100, 0x2426165fu},
    {"circle", circles, 1, 0, 30, 90, 0xd6125d17u},         {"circle", circles, 0, 0, 30, 90, 0x514ff242u},
    {"rectangle", rectangles, 1, 0, 100, 100, 0x5dc0a3f3u}, {"rectangle", rectangles, 0, 0, 100, 100, 0x4989b2f4u},
    {"rectangle", rectangles, 1, 0, 30, 90, 0x6358480u},    {"rectangle", rectangles, 0, 0, 30, 90, 0x7f89a231u},
    {"polygon", polygons, 1, 1, 100, 100, 0xb40352e8u},     {"polygon", polygons, 0, 1, 100, 100, 0xd7d9ebfu},
    {"polygon", polygons, 1, 0, 100, 100, 0xd39cd4fu},      {"polygon", polygons, 0, 0, 100, 100, 0x6b5345cu},
    {"polygon", polygons, 1, 1, 30, 90, 0x8a668599u},       {"polygon", polygons, 0, 0, 30, 90, 0x3e4296cau},
    {"vector", vectors, 1, 1, 100, 100, 0x246428fbu},       {"vector", vectors, 0, 1, 100, 100, 0x5937ea7cu},
    {"vector", vectors, 1, 0, 100, 100, 0x45112bd4u},       {"vector", vectors, 0, 0, 100, 100, 0x8347d8bcu},
    {"vector", vectors, 1, 1, 30, 90, 0x65a10197u},         {"vector", vectors, 0, 0, 30, 90, 0xd6513a6eu},
};

TEST(Generators, SeededPicturesArePinned) {
    for (const Pin& pin : kPins) {
        resetGeneratorState();
        paintSettings().connectable = pin.connectable;
        paintSettings().mixFromPercent = pin.mixFrom;
        paintSettings().mixToPercent = pin.mixTo;
        PicturePtr p(createPicture(200, 150, 0));
        FakeInteraction ui(42);
        pin.draw(p.get(), pin.fill, ui);
        EXPECT_EQ(pixelCrc32(*p), pin.crc)
            << std::hex << pin.generator << " connectable " << int(pin.connectable) << " fill " << int(pin.fill)
            << " mix " << int(pin.mixFrom) << " crc 0x" << pixelCrc32(*p);
    }
}

}  // namespace
