#include "app/display_image.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
// The display image exactly as defined: one getPixel per screen cell, the point
// wrapped first in connectable mode, the last color read kept when it falls outside.
std::vector<uint8_t> oracle(const Picture& p, int zoom, bool connectable) {
    const int W = (p.width + 3) / 4 * 4;
    std::vector<uint8_t> out(size_t(W) * p.height * 4, 255);
    uint8_t r = 0, g = 0, b = 0;
    for (int row = 0; row < p.height / zoom; ++row) {
        for (int c = 0; c < W / zoom; ++c) {
            int x = c * zoom, y = row * zoom;
            if (connectable) mapConnectable(p.width, p.height, x, y, &x, &y);
            getPixel(&p, x, y, &r, &g, &b);
            uint8_t* cell = &out[(size_t(row) * W + c) * 4];
            cell[0] = b;
            cell[1] = g;
            cell[2] = r;
        }
    }
    return out;
}

PicturePtr patterned(int w, int h) {
    PicturePtr p(createPicture(w, h, 0));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) storePixel(p.get(), x, y, uint8_t(x * 31 + y), uint8_t(y * 17 + 3), uint8_t(x * y));
    return p;
}

std::vector<uint8_t> build(const Picture& p, int zoom, bool connectable) {
    const int W = displayWidth(p.width);
    std::vector<uint8_t> out(size_t(W) * p.height * 4, 0);
    buildDisplayImage(p, zoom, connectable, out.data(), size_t(W) * 4);
    return out;
}
}  // namespace

TEST(DisplayImage, MatchesThePerPixelDefinitionForEverySizeZoomAndMode) {
    for (int w : {1, 4, 5, 6, 7, 9, 33})
        for (int h : {1, 3, 8, 17})
            for (int zoom : {1, 2, 3, 5, 16})
                for (bool connectable : {false, true}) {
                    PicturePtr p = patterned(w, h);
                    ASSERT_EQ(build(*p, zoom, connectable), oracle(*p, zoom, connectable))
                        << w << "x" << h << " zoom " << zoom << " connectable " << connectable;
                }
}

TEST(DisplayImage, WidenedColumnsRepeatLeftEdgeOrLastColumn) {
    PicturePtr p = patterned(5, 2);  // widened to 8: three extra columns
    ASSERT_EQ(displayWidth(5), 8);
    const auto wrapped = build(*p, 1, true);
    const auto clipped = build(*p, 1, false);
    for (int y = 0; y < 2; ++y) {
        for (int extra = 0; extra < 3; ++extra) {
            const size_t cell = (size_t(y) * 8 + 5 + extra) * 4;
            uint8_t r, g, b;
            getPixel(p.get(), extra, y, &r, &g, &b);  // left edge, repeated
            EXPECT_EQ(wrapped[cell + 0], b);
            EXPECT_EQ(wrapped[cell + 1], g);
            EXPECT_EQ(wrapped[cell + 2], r);
            getPixel(p.get(), 4, y, &r, &g, &b);  // last column, row by row
            EXPECT_EQ(clipped[cell + 0], b);
            EXPECT_EQ(clipped[cell + 1], g);
            EXPECT_EQ(clipped[cell + 2], r);
            EXPECT_EQ(clipped[cell + 3], 255);
        }
    }
}

TEST(DisplayImage, CellsPastTheZoomedAreaStayWhite) {
    PicturePtr p(createPicture(8, 8, 0));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) storePixel(p.get(), x, y, 0, 0, 0);
    const auto image = build(*p, 2, true);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const bool shown = x < 4 && y < 4;
            EXPECT_EQ(image[(size_t(y) * 8 + x) * 4], shown ? 0 : 255) << x << "," << y;
        }
}
