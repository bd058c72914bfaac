#include "core/fill_rect.h"

#include <gtest/gtest.h>

#include "tests/core/raster_cases.h"

TEST(FillRect, MatchesThePerPixelDefinitionOnRandomCases) {
    compareWithOracle(3000, 12, [](Picture* p, RasterCase& c, bool fast) {
        const int32_t x0 = c.coord(c.width), y0 = c.coord(c.height);
        // Some empty, some wider and taller than the picture so that they fold.
        const int32_t x1 = x0 + c.upTo(3 * c.width) - 2, y1 = y0 + c.upTo(3 * c.height) - 2;
        fast ? fillRect(p, x0, y0, x1, y1, c.color) : oracle::fillRect(p, x0, y0, x1, y1, c.color);
    });
}

TEST(FillRect, IsHalfOpenAndEmptyRangesDrawNothing) {
    resetPaintSettings();
    PicturePtr p(createPicture(8, 8, 0));
    PicturePtr white(copyPicture(p.get()));
    fillRect(p.get(), 5, 2, 5, 6, ShapeColor{1, 2, 3});
    fillRect(p.get(), 2, 6, 5, 2, ShapeColor{1, 2, 3});
    EXPECT_TRUE(samePixels(p.get(), white.get()));
    fillRect(p.get(), 1, 1, 3, 4, ShapeColor{1, 2, 3});
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            uint8_t r = 0, a = 0;
            getPixelRGBA(p.get(), x, y, &r, nullptr, nullptr, &a);
            EXPECT_EQ(r, (x >= 1 && x < 3 && y >= 1 && y < 4) ? 1 : 255) << x << "," << y;
            EXPECT_EQ(a, 255);
        }
}

TEST(FillRect, FoldedCoverageBlendsEachPixelOncePerWrite) {
    resetPaintSettings();
    paintSettings().blendLevel = 100;
    PicturePtr p(createPicture(4, 4, 0));
    // 6 x 5 over a 4 x 4 picture: column counts 2,2,1,1 and row counts 2,1,1,1.
    fillRect(p.get(), 0, 0, 6, 5, ShapeColor{0, 0, 0});
    auto blended = [](int times) {
        uint32_t v = 255;
        for (int t = 0; t < times; ++t) v = blendChannel(v, 0, 100);
        return v;
    };
    uint8_t r = 0;
    getPixel(p.get(), 0, 0, &r, nullptr, nullptr);
    EXPECT_EQ(r, blended(4));
    getPixel(p.get(), 3, 0, &r, nullptr, nullptr);
    EXPECT_EQ(r, blended(2));
    getPixel(p.get(), 3, 3, &r, nullptr, nullptr);
    EXPECT_EQ(r, blended(1));
}

TEST(FillRect, ExtremeCornersFinishQuickly) {
    resetPaintSettings();
    paintSettings().blendLevel = 200;
    PicturePtr p(createPicture(32, 16, 0));
    fillRect(p.get(), INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX, ShapeColor{10, 20, 30});
    uint8_t r = 0, g = 0, b = 0;
    getPixel(p.get(), 31, 15, &r, &g, &b);
    EXPECT_EQ(blendChannel(r, 10, 200), r);
    EXPECT_EQ(blendChannel(g, 20, 200), g);
    EXPECT_EQ(blendChannel(b, 30, 200), b);
    paintSettings().connectable = 0;
    uint8_t before = 0;
    getPixel(p.get(), 2, 15, &before, nullptr, nullptr);
    fillRect(p.get(), -5, -5, 3, INT32_MAX, ShapeColor{0, 0, 0});
    getPixel(p.get(), 2, 15, &r, nullptr, nullptr);
    EXPECT_EQ(r, blendChannel(before, 0, 200)) << "clipped: written once";
    getPixel(p.get(), 3, 15, &r, nullptr, nullptr);
    EXPECT_EQ(r, before) << "x1 is not drawn";
}
