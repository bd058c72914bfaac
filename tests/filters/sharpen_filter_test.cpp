#include "filters/sharpen_filter.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/filters/test_pictures.h"
#include "tests/support/picture_compare.h"

namespace {

// The kernel as defined: four source rows and four weight rows in a ring, rows written
// back through putPixel as soon as the row below has been loaded.
void sharpenRowsOracle(Picture* picture, int32_t p) {
    int32_t f = 100 - p;
    if (f < 1) f = 1;
    int32_t pos[256], neg[256];
    for (int32_t v = 0; v < 256; ++v) {
        pos[v] = (800 * v) / f;
        neg[v] = (pos[v] - 8 * v + 4) >> 3;
    }
    const int32_t w = picture->width, h = picture->height;
    std::vector<std::vector<uint8_t>> src(4, std::vector<uint8_t>(size_t(w) * 3));
    std::vector<std::vector<int32_t>> wt(4, std::vector<int32_t>(size_t(w) * 3));
    std::vector<uint8_t> out(size_t(w) * 3);
    auto load = [&](int32_t r) {
        for (int32_t x = 0; x < w; ++x) {
            int32_t mx = 0, my = 0;
            mapPoint(picture, x, r, &mx, &my);
            uint8_t* s = &src[size_t(r % 4)][size_t(x) * 3];
            getPixel(picture, mx, my, s, s + 1, s + 2);
            for (int c = 0; c < 3; ++c) wt[size_t(r % 4)][size_t(x) * 3 + size_t(c)] = neg[s[c]];
        }
    };
    auto writeRow = [&](int32_t y, const uint8_t* row) {
        for (int32_t x = 0; x < w; ++x) putPixel(picture, x, y, row[x * 3], row[x * 3 + 1], row[x * 3 + 2]);
    };
    load(0);
    int window = 1;
    for (int32_t y = 0; y < h; ++y) {
        if (y + 1 < h) {
            if (window == 3) window = 2;
            load(y + 1);
            ++window;
        } else {
            --window;
        }
        if (window == 3) {
            const auto& mid = src[size_t(y % 4)];
            const auto& up = wt[size_t((y - 1) % 4)];
            const auto& cw = wt[size_t(y % 4)];
            const auto& down = wt[size_t((y + 1) % 4)];
            for (int32_t x = 0; x < w; ++x) {
                for (int c = 0; c < 3; ++c) {
                    const size_t i = size_t(x) * 3 + size_t(c);
                    if (x == 0 || x == w - 1) {
                        out[i] = mid[i];
                        continue;
                    }
                    const int32_t s =
                        up[i - 3] + up[i] + up[i + 3] + cw[i - 3] + cw[i + 3] + down[i - 3] + down[i] + down[i + 3];
                    int32_t v = (pos[mid[i]] - s + 4) >> 3;
                    out[i] = uint8_t(v < 0 ? 0 : v > 255 ? 255 : v);
                }
            }
            writeRow(y, out.data());
        } else if (window == 2) {
            writeRow(y, y == 0 ? src[0].data() : src[size_t((h - 1) % 4)].data());
        }
    }
}

void sharpenFilterOracle(Picture* picture, int32_t p, bool connectable) {
    if (!connectable) {
        sharpenRowsOracle(picture, p);
        return;
    }
    const int32_t w = picture->width, h = picture->height;
    PicturePtr t(createPicture(w + 128, h + 128, 0));
    for (int32_t y = -64; y < h + 64; ++y) {
        for (int32_t x = -64; x < w + 64; ++x) {
            int32_t mx = 0, my = 0;
            mapConnectable(w, h, x, y, &mx, &my);
            uint8_t r = 0, g = 0, b = 0, a = 0;
            getPixelRGBA(picture, mx, my, &r, &g, &b, &a);
            storePixel(t.get(), x + 64, y + 64, r, g, b);
        }
    }
    sharpenRowsOracle(t.get(), p);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            int32_t mx = 0, my = 0;
            mapPoint(t.get(), x + 64, y + 64, &mx, &my);
            uint8_t r = 0, g = 0, b = 0, a = 0;
            getPixelRGBA(t.get(), mx, my, &r, &g, &b, &a);
            storePixel(picture, x, y, r, g, b);
        }
    }
}

PicturePtr uniformWithCentre(uint8_t around, uint8_t centre) {
    PicturePtr p(createPicture(5, 5, 0));
    for (int32_t y = 0; y < 5; ++y)
        for (int32_t x = 0; x < 5; ++x) storePixel(p.get(), x, y, around, around, around);
    storePixel(p.get(), 2, 2, centre, centre, centre);
    return p;
}

uint8_t redAt(const Picture& p, int32_t x, int32_t y) {
    return p.pixels[(size_t(y) * size_t(p.width) + size_t(x)) * 4];
}

TEST(SharpenFilter, MatchesTheRingBufferDefinition) {
    SettingsGuard guard;
    const int32_t sizes[][2] = {{1, 1}, {2, 2}, {3, 3}, {1, 7}, {7, 1}, {2, 9}, {9, 2}, {4, 4}, {13, 5}, {33, 17}};
    const int32_t strengths[] = {0, 10, 50, 99, 100, 150, -5};
    const uint8_t levels[] = {255, 127, 1, 0};
    inBothWidths([&](bool wide) {
        for (int connectable = 0; connectable < 2; ++connectable) {
            for (const auto& s : sizes) {
                for (int32_t p : strengths) {
                    for (uint8_t level : levels) {
                        paintSettings().connectable = uint8_t(connectable);
                        paintSettings().blendLevel = level;
                        PicturePtr expected = makeBusyPicture(s[0], s[1], uint32_t(p + 1000));
                        PicturePtr actual = makeBusyPicture(s[0], s[1], uint32_t(p + 1000));
                        sharpenFilterOracle(expected.get(), p, connectable != 0);
                        sharpenFilter(actual.get(), p, connectable != 0);
                        ASSERT_EQ(firstDifference(*expected, *actual), "")
                            << s[0] << "x" << s[1] << " strength " << p << " level " << int(level) << " connectable "
                            << connectable << (wide ? " wide" : "");
                    }
                }
            }
        }
    });
}

TEST(SharpenFilter, WorkedValues) {
    SettingsGuard guard;
    paintSettings().connectable = 0;
    PicturePtr bright = uniformWithCentre(100, 120);
    sharpenFilter(bright.get(), 50, false);
    EXPECT_EQ(redAt(*bright, 2, 2), 140);
    PicturePtr dark = uniformWithCentre(120, 100);
    sharpenFilter(dark.get(), 50, false);
    EXPECT_EQ(redAt(*dark, 2, 2), 80);
    PicturePtr mild = uniformWithCentre(100, 120);
    sharpenFilter(mild.get(), 10, false);
    EXPECT_EQ(redAt(*mild, 2, 2), 122);

    // A dark dot on a light ground gets darker down to 0, its neighbours lighter.
    PicturePtr dot = uniformWithCentre(200, 20);
    sharpenFilter(dot.get(), 50, false);
    EXPECT_EQ(redAt(*dot, 2, 2), 0);
    EXPECT_GT(redAt(*dot, 1, 1), 200);
    EXPECT_GT(redAt(*dot, 2, 3), 200);

    // Tables at the two ends of the range.
    const SharpenTables none = sharpenTables(0);
    const SharpenTables full = sharpenTables(100);
    EXPECT_EQ(none.pos[37], 8 * 37);
    EXPECT_EQ(none.neg[37], 0);
    EXPECT_EQ(full.pos[37], 800 * 37);
    EXPECT_EQ(full.neg[37], 99 * 37);
}

TEST(SharpenFilter, StrengthZeroAndUniformAreasChangeNothing) {
    SettingsGuard guard;
    for (int connectable = 0; connectable < 2; ++connectable) {
        PicturePtr busy = makeBusyPicture(19, 11, 4);
        const uint32_t crc = pixelCrc32(*busy);
        sharpenFilter(busy.get(), 0, connectable != 0);
        EXPECT_EQ(pixelCrc32(*busy), crc);
        PicturePtr flat = uniformWithCentre(77, 77);
        const uint32_t flatCrc = pixelCrc32(*flat);
        sharpenFilter(flat.get(), 100, connectable != 0);
        EXPECT_EQ(pixelCrc32(*flat), flatCrc);
    }
}

TEST(SharpenFilter, EdgesStayWithoutConnectableAndSharpenAcrossTheWrapWithIt) {
    SettingsGuard guard;
    // Left half 64, right half 192: the halves meet in the middle and across the wrap.
    auto halves = [] {
        PicturePtr p(createPicture(8, 6, 0));
        for (int32_t y = 0; y < 6; ++y)
            for (int32_t x = 0; x < 8; ++x) {
                const uint8_t v = x < 4 ? 64 : 192;
                storePixel(p.get(), x, y, v, v, v);
            }
        return p;
    };
    PicturePtr off = halves();
    paintSettings().connectable = 0;
    sharpenFilter(off.get(), 50, false);
    for (int32_t y = 0; y < 6; ++y) {
        EXPECT_EQ(redAt(*off, 0, y), 64);
        EXPECT_EQ(redAt(*off, 7, y), 192);
    }
    EXPECT_EQ(redAt(*off, 3, 2), 16);  // the middle transition is sharpened
    EXPECT_EQ(redAt(*off, 4, 2), 240);
    EXPECT_EQ(redAt(*off, 3, 0), 64);  // the top row is not

    PicturePtr on = halves();
    paintSettings().connectable = 1;
    sharpenFilter(on.get(), 50, true);
    for (int32_t y = 0; y < 6; ++y) {
        EXPECT_EQ(redAt(*on, 0, y), 16) << y;
        EXPECT_EQ(redAt(*on, 7, y), 240) << y;
        EXPECT_EQ(redAt(*on, 3, y), 16) << y;
        EXPECT_EQ(redAt(*on, 1, y), 64) << y;
    }
}

}  // namespace
