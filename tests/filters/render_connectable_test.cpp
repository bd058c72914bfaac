#include "filters/render_connectable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "tests/filters/test_pictures.h"
#include "tests/support/picture_compare.h"

namespace {

double weightOracle(int32_t a, int32_t y, int32_t hw, int32_t hh) {
    const double e = (std::abs(a - hw) - 1.0) / (hw - 1.0);
    const double f = (std::abs(y - hh) - 1.0) / (hh - 1.0);
    if (e < 1e-8 && f > 0.99999999) return 1.0;
    if (e > 0.99999999 && f < 1e-8) return 0.0;
    return 1.0 - e * f / (e * f + (1.0 - e) * (1.0 - f));
}

// The command as defined: quadrant by quadrant through two quarter-size temporaries,
// every write a putPixel. The temporaries are created white once and serve both
// quadrant passes, so with a blend level below 255 the second pass blends into what
// the first one left there.
void renderOracle(Picture* picture) {
    const int32_t w = picture->width, h = picture->height, hw = w / 2, hh = h / 2;
    if (hw < 2 || hh < 2) return;
    auto read = [&](int32_t x, int32_t y, uint8_t* c) {
        int32_t mx = 0, my = 0;
        mapPoint(picture, x, y, &mx, &my);
        getPixel(picture, mx, my, c, c + 1, c + 2);
    };
    PicturePtr t1(createPicture(hw, hh, 0)), t2(createPicture(hw, hh, 0));
    auto pass = [&](auto sourceA, auto sourceB, auto targetA, auto targetB) {
        for (int32_t y = 0; y < hh; ++y) {
            for (int32_t x = 0; x < hw; ++x) {
                uint8_t a[3], b[3], m[3];
                int32_t ax, ay, bx, by;
                sourceA(x, y, ax, ay);
                sourceB(x, y, bx, by);
                read(ax, ay, a);
                read(bx, by, b);
                const double g = weightOracle(x, y, hw, hh);
                for (int c = 0; c < 3; ++c) m[c] = uint8_t(int32_t(g * a[c] + (1 - g) * b[c]));
                putPixel(t1.get(), x, y, m[0], m[1], m[2]);
                putPixel(t2.get(), x, y, m[0], m[1], m[2]);
            }
        }
        for (int32_t y = 0; y < hh; ++y) {
            for (int32_t x = 0; x < hw; ++x) {
                uint8_t c[3];
                int32_t tx, ty;
                getPixel(t1.get(), x, y, c, c + 1, c + 2);
                targetA(x, y, tx, ty);
                putPixel(picture, tx, ty, c[0], c[1], c[2]);
                getPixel(t2.get(), x, y, c, c + 1, c + 2);
                targetB(x, y, tx, ty);
                putPixel(picture, tx, ty, c[0], c[1], c[2]);
            }
        }
    };
    auto here = [](int32_t x, int32_t y, int32_t& ox, int32_t& oy) { ox = x, oy = y; };
    auto shifted = [&](int32_t x, int32_t y, int32_t& ox, int32_t& oy) { ox = x + hw, oy = y + hh; };
    auto fromRight = [&](int32_t i, int32_t y, int32_t& ox, int32_t& oy) { ox = w - 1 - i, oy = y; };
    auto fromMiddle = [&](int32_t i, int32_t y, int32_t& ox, int32_t& oy) { ox = hw - 1 - i, oy = y + hh; };
    pass(here, shifted, here, shifted);
    pass(fromRight, fromMiddle, fromRight, fromMiddle);
}

const uint8_t* cell(const Picture& p, int32_t x, int32_t y) {
    return p.pixels + (size_t(y) * size_t(p.width) + size_t(x)) * 4;
}

TEST(RenderConnectable, MatchesTheQuadrantDefinition) {
    SettingsGuard guard;
    const int32_t sizes[][2] = {{4, 4}, {5, 4}, {4, 5}, {5, 7}, {8, 8}, {9, 6}, {31, 17}, {64, 48}};
    const uint8_t levels[] = {255, 200, 127, 0};
    inBothWidths([&](bool wide) {
        for (int connectable = 0; connectable < 2; ++connectable) {
            for (const auto& s : sizes) {
                for (uint8_t level : levels) {
                    paintSettings().connectable = uint8_t(connectable);
                    paintSettings().blendLevel = level;
                    PicturePtr expected = makeBusyPicture(s[0], s[1], 21);
                    PicturePtr actual = makeBusyPicture(s[0], s[1], 21);
                    renderOracle(expected.get());
                    ASSERT_TRUE(renderConnectable(actual.get()));
                    ASSERT_EQ(firstDifference(*expected, *actual), "")
                        << s[0] << "x" << s[1] << " level " << int(level) << " connectable " << connectable
                        << (wide ? " wide" : "");
                }
            }
        }
    });
}

TEST(RenderConnectable, FourByFourIsOnlyRearranged) {
    SettingsGuard guard;
    PicturePtr before = makeBusyPicture(4, 4, 8);
    PicturePtr after = makeBusyPicture(4, 4, 8);
    ASSERT_TRUE(renderConnectable(after.get()));
    const int32_t from[4][4][2] = {
        {{2, 2}, {1, 0}, {2, 0}, {1, 2}},
        {{2, 3}, {1, 1}, {2, 1}, {1, 3}},
        {{2, 0}, {1, 2}, {2, 2}, {1, 0}},
        {{2, 1}, {1, 3}, {2, 3}, {1, 1}},
    };
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x)
            EXPECT_EQ(std::memcmp(cell(*after, x, y), cell(*before, from[y][x][0], from[y][x][1]), 4), 0)
                << "pixel " << x << "," << y;
}

TEST(RenderConnectable, EightByEightWeights) {
    const double table[4][4] = {{0, 0, 0, 1}, {0, 0.2, 0.5, 1}, {0, 0.5, 0.8, 1}, {0, 1, 1, 1}};
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 4; ++x) {
            EXPECT_NEAR(seamWeight(x, y, 4, 4), table[y][x], 1e-12) << x << "," << y;
            EXPECT_EQ(seamWeight(x, y, 4, 4), weightOracle(x, y, 4, 4));
        }
}

TEST(RenderConnectable, ResultRepeatsDiagonallyAndOddLinesKeepTheirPixels) {
    SettingsGuard guard;
    for (const auto& s : {std::pair{40, 30}, std::pair{41, 31}}) {
        const int32_t w = s.first, h = s.second, hw = w / 2, hh = h / 2;
        PicturePtr before = makeBusyPicture(w, h, 2);
        PicturePtr p = makeBusyPicture(w, h, 2);
        ASSERT_TRUE(renderConnectable(p.get()));
        for (int32_t y = 0; y < hh; ++y) {
            for (int32_t x = 0; x < hw; ++x) {
                ASSERT_EQ(std::memcmp(cell(*p, x, y), cell(*p, x + hw, y + hh), 4), 0) << x << "," << y;
                ASSERT_EQ(std::memcmp(cell(*p, w - 1 - x, y), cell(*p, hw - 1 - x, y + hh), 4), 0) << x << "," << y;
            }
        }
        if (w % 2) {
            for (int32_t y = 0; y < hh; ++y) EXPECT_EQ(std::memcmp(cell(*p, hw, y), cell(*before, hw, y), 4), 0);
            for (int32_t y = hh; y < h; ++y) EXPECT_EQ(std::memcmp(cell(*p, w - 1, y), cell(*before, w - 1, y), 4), 0);
        }
        if (h % 2) {
            for (int32_t x = 0; x < w; ++x) EXPECT_EQ(std::memcmp(cell(*p, x, h - 1), cell(*before, x, h - 1), 4), 0);
        }
    }
}

TEST(RenderConnectable, GradientGetsTheMiddleAtItsEdges) {
    SettingsGuard guard;
    PicturePtr p(createPicture(64, 16, 0));
    for (int32_t y = 0; y < 16; ++y)
        for (int32_t x = 0; x < 64; ++x) storePixel(p.get(), x, y, uint8_t(x * 4), uint8_t(x * 4), uint8_t(x * 4));
    ASSERT_TRUE(renderConnectable(p.get()));
    for (int32_t y = 0; y < 16; ++y) {
        EXPECT_EQ(cell(*p, 0, y)[0], 128) << y;
        EXPECT_EQ(cell(*p, 63, y)[0], 124) << y;
    }
}

TEST(RenderConnectable, PicturesWithASideBelowFourAreLeftAlone) {
    SettingsGuard guard;
    EXPECT_FALSE(renderConnectable(nullptr));
    for (const auto& s : {std::pair{3, 40}, std::pair{40, 3}, std::pair{1, 1}, std::pair{0, 0}}) {
        PicturePtr p = makeBusyPicture(s.first, s.second, 6);
        const uint32_t crc = pixelCrc32(*p);
        EXPECT_FALSE(renderConnectable(p.get()));
        EXPECT_EQ(pixelCrc32(*p), crc);
    }
}

}  // namespace
