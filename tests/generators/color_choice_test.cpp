#include "generators/color_choice.h"

#include <gtest/gtest.h>

#include "core/paint_settings.h"
#include "core/random_sequence.h"
#include "generators/palette.h"
#include "tests/generators/generator_cases.h"

namespace {
// How many draws `f` makes, measured on the sequence itself.
template <class F>
int drawsMadeBy(F f) {
    seedRandom(555);
    f();
    const uint32_t after = randomState();
    seedRandom(555);
    for (int n = 0; n < 10; ++n) {
        if (randomState() == after) return n;
        nextRandom();
    }
    return -1;
}
}  // namespace

TEST(ColorChoice, RandomColorsTakeThreeDrawsInTheOrderRedGreenBlue) {
    resetGeneratorState();
    EXPECT_EQ(drawsMadeBy([] { pickShapeColor(); }), 3);
    seedRandom(1);
    const ShapeColor c = pickShapeColor();
    EXPECT_EQ(c, (ShapeColor{41 & 0xFF, 18467 & 0xFF, 6334 & 0xFF}));

    // Palette colors on but the palette empty: still random colors.
    paintSettings().paletteOff = 0;
    EXPECT_EQ(drawsMadeBy([] { pickShapeColor(); }), 3);
}

TEST(ColorChoice, PaletteColorsTakeOneDraw) {
    resetGeneratorState();
    paintSettings().paletteOff = 0;
    Palette& pal = currentPalette();
    addPaletteColor(pal, ShapeColor{1, 2, 3});
    EXPECT_EQ(drawsMadeBy([] { pickShapeColor(); }), 1);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(pickShapeColor(), (ShapeColor{1, 2, 3}));
    addPaletteColor(pal, ShapeColor{4, 5, 6});
    addPaletteColor(pal, ShapeColor{7, 8, 9});
    seedRandom(1);
    EXPECT_EQ(pickShapeColor(), pal.colors[41 % 3]);
    EXPECT_EQ(pickShapeColor(), pal.colors[18467 % 3]);

    // "All Color" ignores the palette.
    paintSettings().paletteOff = 1;
    EXPECT_EQ(drawsMadeBy([] { pickShapeColor(); }), 3);
}

TEST(ColorChoice, BlendLevelFromTheMixRange) {
    resetGeneratorState();
    PaintSettings& s = paintSettings();
    for (auto [p, level] : {std::pair{0, 0}, {1, 2}, {20, 51}, {50, 127}, {99, 252}, {100, 255}, {150, 126}})
        EXPECT_EQ(blendLevelForPercent(p), level) << p;

    s.mixFromPercent = 20;
    s.mixToPercent = 20;
    EXPECT_EQ(drawsMadeBy([] { pickBlendLevel(); }), 0);
    EXPECT_EQ(s.blendLevel, 51);

    s.mixToPercent = 21;
    EXPECT_EQ(drawsMadeBy([] { pickBlendLevel(); }), 1);
    EXPECT_EQ(s.blendLevel, 51) << "the upper bound is never drawn";

    s.mixFromPercent = 80;
    s.mixToPercent = 20;
    EXPECT_EQ(drawsMadeBy([] { pickBlendLevel(); }), 0);
    EXPECT_EQ(s.blendLevel, 51) << "a reversed range uses its upper bound";

    s.mixFromPercent = 10;
    s.mixToPercent = 60;
    seedRandom(1);
    pickBlendLevel();
    EXPECT_EQ(s.blendLevel, blendLevelForPercent(10 + 41 % 50));

    s.mixFromPercent = 100;
    s.mixToPercent = 100;
    pickBlendLevel();
    EXPECT_EQ(s.blendLevel, 255);
}
