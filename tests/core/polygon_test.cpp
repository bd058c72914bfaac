#include "core/polygon.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/core/raster_cases.h"

namespace {
std::vector<PolygonPoint> randomPolygon(RasterCase& c, int n) {
    std::vector<PolygonPoint> v(static_cast<size_t>(n));
    const int32_t cx = c.coord(c.width), cy = c.coord(c.height);
    const int32_t spread = 1 + c.upTo(2 * std::max(c.width, c.height));
    for (auto& p : v) {
        p.x = cx + c.upTo(2 * spread) - spread;
        p.y = cy + c.upTo(2 * spread) - spread;
    }
    if (n > 2 && c.upTo(3) == 0) v[1] = v[0];  // repeated vertices are harmless
    return v;
}

int paintedCount(const Picture* p) {
    int n = 0;
    for (int32_t i = 0; i < p->width * p->height; ++i) n += p->pixels[4 * i] != 255;
    return n;
}
}  // namespace

TEST(Polygon, FillMatchesTheCrossingTestOnRandomCases) {
    compareWithOracle(2500, 14, [](Picture* p, RasterCase& c, bool fast) {
        const auto v = randomPolygon(c, c.upTo(9));
        fast ? drawPolygon(p, v.data(), int32_t(v.size()), c.color, 1)
             : oracle::drawPolygon(p, v.data(), int32_t(v.size()), c.color, 1);
    });
}

TEST(Polygon, OutlineMatchesTheLineDefinitionOnRandomCases) {
    compareWithOracle(1500, 15, [](Picture* p, RasterCase& c, bool fast) {
        const auto v = randomPolygon(c, c.upTo(7));
        fast ? drawPolygon(p, v.data(), int32_t(v.size()), c.color, 0)
             : oracle::drawPolygon(p, v.data(), int32_t(v.size()), c.color, 0);
    });
}

TEST(Polygon, CrossingTestFollowsTheHalfOpenRuleIn32Bits) {
    const int32_t xs[] = {0, 4, 4, 0}, ys[] = {0, 0, 4, 4};
    EXPECT_EQ(pointInPolygon(4, xs, ys, 0, 0), 1);
    EXPECT_EQ(pointInPolygon(4, xs, ys, 3, 3), 1);
    EXPECT_EQ(pointInPolygon(4, xs, ys, 4, 3), 0);
    EXPECT_EQ(pointInPolygon(4, xs, ys, 3, 4), 0);
    EXPECT_EQ(pointInPolygon(0, xs, ys, 0, 0), 0);
    // Products beyond 32 bits wrap as the definition's signed product does.
    const int32_t bx[] = {-100000, 100000, 100000}, by[] = {-100000, -100000, 100000};
    for (int32_t py : {-99999, -3, 0, 77777})
        for (int32_t px : {-100000, -5, 0, 99999})
            EXPECT_EQ(pointInPolygon(3, bx, by, px, py), oracle::pointInPolygon(3, bx, by, px, py));
}

TEST(Polygon, KnownFiguresFillExactly) {
    resetPaintSettings();
    PicturePtr p(createPicture(10, 10, 0));
    const PolygonPoint square[] = {{0, 0}, {4, 0}, {4, 4}, {0, 4}};
    drawPolygon(p.get(), square, 4, ShapeColor{0, 0, 0}, 1);
    EXPECT_EQ(paintedCount(p.get()), 16);

    PicturePtr t(createPicture(10, 10, 0));
    const PolygonPoint triangle[] = {{0, 0}, {6, 0}, {0, 6}};
    drawPolygon(t.get(), triangle, 3, ShapeColor{0, 0, 0}, 1);
    EXPECT_EQ(paintedCount(t.get()), 21);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 10; ++x) {
            uint8_t r = 0;
            getPixel(t.get(), x, y, &r, nullptr, nullptr);
            EXPECT_EQ(r == 0, x <= 5 - y) << x << "," << y;
        }

    PicturePtr one(createPicture(10, 10, 0));
    const PolygonPoint single[] = {{3, 3}};
    drawPolygon(one.get(), single, 1, ShapeColor{0, 0, 0}, 1);
    drawPolygon(one.get(), single, 1, ShapeColor{0, 0, 0}, 0);
    drawPolygon(one.get(), nullptr, 0, ShapeColor{0, 0, 0}, 1);
    EXPECT_EQ(paintedCount(one.get()), 0);
}

TEST(Polygon, HugeFoldedFillStopsOnceEveryRowIsFinal) {
    resetPaintSettings();
    paintSettings().blendLevel = 90;
    PicturePtr p(createPicture(24, 12, 0));
    const PolygonPoint big[] = {
        {-300000000, -300000000}, {300000000, -300000000}, {300000000, 300000000}, {-300000000, 300000000}};
    drawPolygon(p.get(), big, 4, ShapeColor{40, 50, 60}, 1);
    for (int32_t i = 0; i < 24 * 12; ++i) {
        const uint8_t* cell = p->pixels + 4 * i;
        ASSERT_EQ(blendChannel(cell[0], 40, 90), cell[0]);
        ASSERT_EQ(blendChannel(cell[2], 60, 90), cell[2]);
    }
}

TEST(Polygon, FillsThatFoldHundredsOfTimesMatchTheDefinition) {
    std::mt19937 rng(32);
    for (int k = 0; k < 16; ++k) {
        resetPaintSettings();
        paintSettings().blendLevel = uint8_t(k % 4 == 0 ? 255 : 1 + rng() % 254);
        const int32_t w = int32_t(1 + rng() % 3), h = int32_t(1 + rng() % 3);
        PicturePtr fast(createPicture(w, h, 0));
        for (int32_t i = 0; i < w * h * 4; ++i) fast->pixels[i] = (i % 4 == 3) ? 255 : uint8_t(rng());
        PicturePtr slow(copyPicture(fast.get()));
        std::vector<PolygonPoint> v(static_cast<size_t>(3 + rng() % 5));
        for (auto& p : v) p = PolygonPoint{int32_t(rng() % 700) - 350, int32_t(rng() % 700) - 350};
        const ShapeColor c{uint8_t(rng()), uint8_t(rng()), uint8_t(rng())};
        drawPolygon(fast.get(), v.data(), int32_t(v.size()), c, 1);
        oracle::drawPolygon(slow.get(), v.data(), int32_t(v.size()), c, 1);
        ASSERT_TRUE(samePixels(fast.get(), slow.get())) << k << " on " << w << "x" << h;
    }
}
