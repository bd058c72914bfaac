#include "core/fill_disc.h"

#include <gtest/gtest.h>

#include "tests/core/raster_cases.h"

namespace {
const ShapeColor kRed{255, 0, 0};

int countColor(const Picture* p, ShapeColor c) {
    int n = 0;
    for (int32_t y = 0; y < p->height; ++y)
        for (int32_t x = 0; x < p->width; ++x) {
            uint8_t r, g, b;
            getPixel(p, x, y, &r, &g, &b);
            n += (r == c.red && g == c.green && b == c.blue);
        }
    return n;
}
}  // namespace

TEST(FillDisc, MatchesThePerPixelDefinitionOnRandomCases) {
    compareWithOracle(3000, 11, [](Picture* p, RasterCase& c, bool fast) {
        // Radii up to twice the picture so that wrapped parts overlap and blend twice.
        const int32_t r = c.upTo(2 * std::max(c.width, c.height) + 2) - 1;
        const int32_t x = c.coord(c.width), y = c.coord(c.height);
        fast ? fillDisc(p, x, y, r, c.color) : oracle::fillDisc(p, x, y, r, c.color);
    });
}

TEST(FillDisc, SmallRadiiAndTheSymmetricSet) {
    resetPaintSettings();
    PicturePtr p(createPicture(16, 16, 0));
    fillDisc(p.get(), 8, 8, 0, kRed);
    fillDisc(p.get(), 8, 8, -3, kRed);
    EXPECT_EQ(countColor(p.get(), kRed), 0);
    fillDisc(p.get(), 8, 8, 1, kRed);
    EXPECT_EQ(countColor(p.get(), kRed), 1);
    fillDisc(p.get(), 8, 8, 2, kRed);
    EXPECT_EQ(countColor(p.get(), kRed), 9) << "radius 2 is the 3 x 3 block";
    uint8_t r = 0;
    getPixel(p.get(), 7, 7, &r, nullptr, nullptr);
    EXPECT_EQ(r, 255);
    getPixel(p.get(), 10, 8, &r, nullptr, nullptr);
    EXPECT_EQ(r, 255) << "white beyond the block";
}

TEST(FillDisc, WrapsItsQuartersToTheCornersOrClipsThem) {
    resetPaintSettings();
    PicturePtr on(createPicture(20, 20, 0));
    fillDisc(on.get(), 0, 0, 3, kRed);
    paintSettings().connectable = 0;
    PicturePtr off(createPicture(20, 20, 0));
    fillDisc(off.get(), 0, 0, 3, kRed);
    // offsets in [-3, 3) with i*i + j*j < 9: the 5 x 5 block around the centre
    EXPECT_EQ(countColor(on.get(), kRed), 25);
    uint8_t g = 0;
    for (auto [x, y] : {std::pair{19, 19}, {0, 19}, {19, 0}, {0, 0}}) {
        ASSERT_TRUE(getPixel(on.get(), x, y, nullptr, &g, nullptr));
        EXPECT_EQ(g, 0) << x << "," << y;
    }
    int inside = 0;
    for (int i = -3; i < 3; ++i)
        for (int j = -3; j < 3; ++j) inside += (i >= 0 && j >= 0 && i * i + j * j < 9);
    EXPECT_EQ(countColor(off.get(), kRed), inside);
    getPixel(off.get(), 19, 19, nullptr, &g, nullptr);
    EXPECT_EQ(g, 255);
}

TEST(FillDisc, OverlappingWrappedPartsAreBlendedOncePerWrite) {
    // A disc wider than the picture folds onto itself: each fold is one more blend.
    resetPaintSettings();
    paintSettings().blendLevel = 128;
    PicturePtr fast(createPicture(3, 3, 0));
    PicturePtr slow(copyPicture(fast.get()));
    fillDisc(fast.get(), 1, 1, 3, ShapeColor{0, 0, 0});
    oracle::fillDisc(slow.get(), 1, 1, 3, ShapeColor{0, 0, 0});
    EXPECT_TRUE(samePixels(fast.get(), slow.get()));
    // (0, 0) receives the offsets (-1, -1), (-1, 2), (2, -1) and (2, 2); the centre one.
    uint32_t four = 255;
    for (int t = 0; t < 4; ++t) four = blendChannel(four, 0, 128);
    uint8_t r = 0;
    getPixel(fast.get(), 0, 0, &r, nullptr, nullptr);
    EXPECT_EQ(r, four);
    getPixel(fast.get(), 1, 1, &r, nullptr, nullptr);
    EXPECT_EQ(r, blendChannel(255, 0, 128));
}

TEST(FillDisc, HugeRadiiFinishAndLeaveEveryPixelFinal) {
    resetPaintSettings();
    PicturePtr p(createPicture(64, 48, 0));
    fillDisc(p.get(), 5, 7, 2000000000, kRed);
    EXPECT_EQ(countColor(p.get(), kRed), 64 * 48);

    // Blended many times over, each channel settles where one more blend changes nothing.
    paintSettings().blendLevel = 51;
    const ShapeColor blue{0, 0, 255};
    fillDisc(p.get(), -1000000, 3, 1500000000, blue);
    uint8_t r = 0, b = 0;
    getPixel(p.get(), 17, 33, &r, nullptr, &b);
    EXPECT_EQ(blendChannel(r, 0, 51), r);
    EXPECT_EQ(blendChannel(b, 255, 51), b);
    EXPECT_LT(r, 10);

    // Clipped, every pixel inside is written exactly once.
    paintSettings().connectable = 0;
    uint8_t before = 0;
    getPixel(p.get(), 0, 0, &before, nullptr, nullptr);
    fillDisc(p.get(), 100, 100, 2000000000, kRed);
    getPixel(p.get(), 0, 0, &r, nullptr, nullptr);
    EXPECT_EQ(r, blendChannel(before, 255, 51));
}

TEST(FillDisc, DiscsThatFoldHundredsOfTimesMatchTheDefinition) {
    // On a picture a few pixels wide, rows saturate (every pixel final) part way
    // through; the shortcut must give what every single write would.
    std::mt19937 rng(31);
    for (int k = 0; k < 24; ++k) {
        resetPaintSettings();
        paintSettings().blendLevel = uint8_t(k % 3 == 0 ? 255 : 1 + rng() % 254);
        const int32_t w = int32_t(1 + rng() % 3), h = int32_t(1 + rng() % 3);
        PicturePtr fast(createPicture(w, h, 0));
        for (int32_t i = 0; i < w * h * 4; ++i) fast->pixels[i] = (i % 4 == 3) ? 255 : uint8_t(rng());
        PicturePtr slow(copyPicture(fast.get()));
        const int32_t r = int32_t(100 + rng() % 300), cx = int32_t(rng() % 50) - 25, cy = int32_t(rng() % 50) - 25;
        const ShapeColor c{uint8_t(rng()), uint8_t(rng()), uint8_t(rng())};
        fillDisc(fast.get(), cx, cy, r, c);
        oracle::fillDisc(slow.get(), cx, cy, r, c);
        ASSERT_TRUE(samePixels(fast.get(), slow.get())) << k << ": r " << r << " on " << w << "x" << h;
    }
}
