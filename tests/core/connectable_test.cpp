#include "core/connectable.h"

#include <gtest/gtest.h>

TEST(Connectable, WrapsEveryCoordinateIntoThePicture) {
    for (int32_t w : {1, 3, 4, 7}) {
        for (int32_t h : {1, 2, 5}) {
            for (int32_t x = -3 * w - 2; x < 4 * w + 2; ++x) {
                for (int32_t y = -3 * h - 2; y < 4 * h + 2; ++y) {
                    int32_t mx = -99, my = -99;
                    mapConnectable(w, h, x, y, &mx, &my);
                    ASSERT_GE(mx, 0);
                    ASSERT_LT(mx, w);
                    ASSERT_GE(my, 0);
                    ASSERT_LT(my, h);
                    int32_t sx = 0, sy = 0;
                    mapConnectable(w, h, x + w, y - h, &sx, &sy);
                    ASSERT_EQ(sx, mx) << "x and x + width must name one pixel";
                    ASSERT_EQ(sy, my);
                    if (x >= 0 && x < w && y >= 0 && y < h) {
                        ASSERT_EQ(mx, x);
                        ASSERT_EQ(my, y);
                    }
                }
            }
        }
    }
    int32_t mx, my;
    mapConnectable(10, 6, -1, -1, &mx, &my);
    EXPECT_EQ(mx, 9);
    EXPECT_EQ(my, 5);
    mapConnectable(10, 6, 10, 6, &mx, &my);
    EXPECT_EQ(mx, 0);
    EXPECT_EQ(my, 0);
    mapConnectable(10, 6, INT32_MIN, INT32_MAX, &mx, &my);
    EXPECT_TRUE(mx >= 0 && mx < 10 && my >= 0 && my < 6);
}

TEST(Connectable, PixelIndexClipsAndCoversThePlane) {
    EXPECT_EQ(pixelIndex(5, 3, 5, 0), -1);
    EXPECT_EQ(pixelIndex(5, 3, -1, 0), -1);
    EXPECT_EQ(pixelIndex(5, 3, 0, 3), -1);
    EXPECT_EQ(pixelIndex(5, 3, 0, -1), -1);
    std::vector<int> seen(15, 0);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            const int32_t i = pixelIndex(5, 3, x, y);
            ASSERT_GE(i, 0);
            ASSERT_LT(i, 15);
            ++seen[i];
        }
    for (int n : seen) EXPECT_EQ(n, 1);
}

TEST(Connectable, BlendEndsAndScaling) {
    for (uint32_t c = 0; c < 256; c += 5)
        for (uint32_t n = 0; n < 256; n += 3) {
            ASSERT_EQ(blendChannel(c, n, 255), n);
            ASSERT_EQ(blendChannel(c, n, 0), c);
            const uint8_t mid = blendChannel(c, n, 127);
            ASSERT_GE(mid, std::min(c, n));
            ASSERT_LE(mid, std::max(c, n));
        }
    EXPECT_EQ(blendChannel(0, 200, 51), 200 * 51 / 255);
}
