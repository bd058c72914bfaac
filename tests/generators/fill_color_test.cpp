#include "generators/fill_color.h"

#include <gtest/gtest.h>

#include "tests/generators/generator_cases.h"

TEST(FillColor, YesReplacesEveryPixelWhateverTheLevel) {
    resetGeneratorState();
    paintSettings().blendLevel = 10;
    PicturePtr p(createPicture(7, 5, 0));
    p->pixels[3] = 0;  // even a damaged alpha comes back to 255
    fillColor(p.get(), ShapeColor{1, 2, 3}, true);
    for (int32_t i = 0; i < 7 * 5; ++i) {
        const uint8_t* c = p->pixels + 4 * i;
        ASSERT_EQ(c[0], 1);
        ASSERT_EQ(c[1], 2);
        ASSERT_EQ(c[2], 3);
        ASSERT_EQ(c[3], 255);
    }
}

TEST(FillColor, NoBlendsEveryPixelOnceWithTheCurrentLevel) {
    for (uint8_t connectable : {0, 1}) {
        resetGeneratorState();
        paintSettings().connectable = connectable;
        paintSettings().blendLevel = 77;
        PicturePtr fast(createPicture(9, 6, 0));
        for (int32_t i = 0; i < 9 * 6 * 4; ++i) fast->pixels[i] = (i % 4 == 3) ? 255 : uint8_t(i * 37);
        PicturePtr slow(copyPicture(fast.get()));
        fillColor(fast.get(), ShapeColor{200, 100, 0}, false);
        for (int32_t y = 0; y < 6; ++y)
            for (int32_t x = 0; x < 9; ++x) putPixel(slow.get(), x, y, 200, 100, 0);
        EXPECT_TRUE(samePixels(fast.get(), slow.get()));
    }
    // Level 255 (nothing drawn yet) is plain replacement.
    resetGeneratorState();
    PicturePtr p(createPicture(4, 4, 0));
    fillColor(p.get(), ShapeColor{5, 6, 7}, false);
    EXPECT_EQ(p->pixels[4 * 15], 5);
    fillColor(nullptr, ShapeColor{}, false);
}
