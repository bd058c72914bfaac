#include "core/draw_line.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/core/raster_cases.h"

namespace {
// Draws with level 128 in black over white and reads how many times each pixel
// was written from how far it went down.
std::map<std::pair<int, int>, int> writeCounts(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    resetPaintSettings();
    paintSettings().blendLevel = 128;
    PicturePtr p(createPicture(8, 8, 0));
    drawLine(p.get(), ShapeColor{0, 0, 0}, x0, y0, x1, y1);
    std::map<std::pair<int, int>, int> counts;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            uint8_t r = 0;
            getPixel(p.get(), x, y, &r, nullptr, nullptr);
            int n = 0;
            for (uint32_t v = 255; v != r && n < 10; ++n) v = blendChannel(v, 0, 128);
            if (n) counts[{x, y}] = n;
        }
    return counts;
}
using Counts = std::map<std::pair<int, int>, int>;
}  // namespace

TEST(DrawLine, MatchesThePerPixelDefinitionOnRandomCases) {
    compareWithOracle(4000, 13, [](Picture* p, RasterCase& c, bool fast) {
        const int32_t x0 = c.coord(c.width), y0 = c.coord(c.height);
        int32_t x1 = c.coord(c.width), y1 = c.coord(c.height);
        if (c.upTo(4) == 0) x1 = x0;  // vertical
        if (c.upTo(4) == 0) y1 = y0;  // horizontal
        fast ? drawLine(p, c.color, x0, y0, x1, y1) : oracle::drawLine(p, c.color, x0, y0, x1, y1);
    });
}

TEST(DrawLine, ObliqueLinesWriteTheStartTwiceAndNeverTheEnd) {
    EXPECT_EQ(writeCounts(0, 0, 3, 1), (Counts{{{0, 0}, 2}, {{1, 0}, 1}, {{2, 0}, 1}}));
    EXPECT_EQ(writeCounts(3, 1, 0, 0), (Counts{{{3, 1}, 2}, {{2, 0}, 1}, {{1, 0}, 1}}));
}

TEST(DrawLine, AxisParallelLinesIncludeTheEndOnlyTowardsSmallerCoordinates) {
    EXPECT_EQ(writeCounts(0, 0, 0, 3), (Counts{{{0, 0}, 1}, {{0, 1}, 1}, {{0, 2}, 1}}));
    EXPECT_EQ(writeCounts(0, 3, 0, 0), (Counts{{{0, 3}, 1}, {{0, 2}, 1}, {{0, 1}, 1}, {{0, 0}, 1}}));
    EXPECT_EQ(writeCounts(1, 5, 4, 5), (Counts{{{1, 5}, 1}, {{2, 5}, 1}, {{3, 5}, 1}}));
    EXPECT_EQ(writeCounts(4, 5, 2, 5), (Counts{{{4, 5}, 1}, {{3, 5}, 1}, {{2, 5}, 1}}));
    EXPECT_TRUE(writeCounts(2, 2, 2, 2).empty());
}

TEST(DrawLine, LongClippedLinesOnlyWalkTheirVisiblePart) {
    resetPaintSettings();
    paintSettings().connectable = 0;
    PicturePtr fast(createPicture(16, 16, 0));
    PicturePtr slow(copyPicture(fast.get()));
    // Hundreds of millions of steps in the definition; only a few reach the picture.
    drawLine(fast.get(), ShapeColor{9, 9, 9}, -4000000, 5, 4000000, 9);
    drawLine(fast.get(), ShapeColor{7, 7, 7}, 3, 4000000, 4, -4000000);
    oracle::drawLine(slow.get(), ShapeColor{9, 9, 9}, -4000000, 5, 4000000, 9);
    oracle::drawLine(slow.get(), ShapeColor{7, 7, 7}, 3, 4000000, 4, -4000000);
    EXPECT_TRUE(samePixels(fast.get(), slow.get()));
}
