// The preview's images against a literal model of the window's bitmaps: the reduced
// copy in 32-bit cells L wide, the tile image with its nine copies, the display
// image made from black and the tile image's shown part, then the tag overlays.
#include "compositing/preview_display.h"

#include <gtest/gtest.h>

#include <vector>

#include "compositing/preview_geometry.h"
#include "compositing/tag_overlay.h"
#include "tests/filters/test_pictures.h"

namespace {

struct Model {
    int32_t width = 0, height = 0;
    std::vector<uint8_t> bgr;  // width * height * 3, rows packed
};

Model modelDisplay(const Picture& p, int32_t zoom, bool frame) {
    const int32_t sw = p.width / zoom, sh = p.height / zoom;
    const int32_t L = (sw + 3) / 4 * 4;
    std::vector<uint8_t> reduced(size_t(L) * sh * 4, 255);
    for (int32_t i = 0; i < sh; ++i) {
        for (int32_t j = 0; j < sw; ++j) {
            int32_t x = j * zoom, y = i * zoom;
            mapPoint(&p, x, y, &x, &y);
            uint8_t r = 0, g = 0, b = 0;
            getPixel(&p, x, y, &r, &g, &b);
            uint8_t* cell = &reduced[(size_t(i) * L + j) * 4];
            cell[0] = b, cell[1] = g, cell[2] = r;
        }
    }
    if (frame && sw > 0) {
        for (int32_t i = 0; i < sh; ++i) {
            for (int k = 0; k < 3; ++k) reduced[size_t(i) * L * 4 + k] ^= 0xFF;
        }
        for (int32_t j = 0; j < sw; ++j) {
            for (int k = 0; k < 3; ++k) reduced[size_t(j) * 4 + k] ^= 0xFF;
        }
    }
    const int32_t tw = (3 * sw + 3) / 4 * 4, th = 3 * sh;
    std::vector<uint8_t> tile(size_t(tw) * th * 4, 0x5A);  // a new bitmap's content is not ours to rely on
    for (int32_t g = 0; g < 3; ++g) {
        for (int32_t k = 0; k < 3; ++k) {
            for (int32_t y = 0; y < sh; ++y) {
                for (int32_t x = 0; x < L; ++x) {
                    const int32_t tx = k * sw + x, ty = g * sh + y;
                    if (tx >= tw) continue;
                    for (int c = 0; c < 4; ++c)
                        tile[(size_t(ty) * tw + tx) * 4 + c] = reduced[(size_t(y) * L + x) * 4 + c];
                }
            }
        }
    }
    Model m{tw, th, std::vector<uint8_t>(size_t(tw) * th * 3, 0)};
    for (int32_t y = 0; y < th; ++y) {
        for (int32_t x = 0; x < 3 * sw; ++x) {
            for (int c = 0; c < 3; ++c) m.bgr[(size_t(y) * tw + x) * 3 + c] = tile[(size_t(y) * tw + x) * 4 + c];
        }
    }
    return m;
}

void modelOverlay(Model& m, int32_t zoom, const std::vector<uint8_t>& cells, int32_t tw, int32_t th, int32_t x,
                  int32_t y, uint8_t level) {
    for (int32_t r = 0; r < th / zoom; ++r) {
        for (int32_t c = 0; c < tw / zoom; ++c) {
            const int32_t dx = c + x / zoom, dy = r + y / zoom;
            if (dx < 0 || dy < 0 || dx >= m.width || dy >= m.height) continue;
            const uint8_t* cell = &cells[(size_t(r * zoom) * tw + c * zoom) * 4];
            if (cell[3] == 0) continue;
            const uint8_t l = blendChannel(0, cell[3], level);
            uint8_t* px = &m.bgr[(size_t(dy) * m.width + dx) * 3];
            px[0] = blendChannel(px[0], cell[2], l);
            px[1] = blendChannel(px[1], cell[1], l);
            px[2] = blendChannel(px[2], cell[0], l);
        }
    }
}

std::string firstMismatch(const Model& m, const PreviewDisplay& d) {
    if (m.width != d.width || m.height != d.height) {
        return "size " + std::to_string(d.width) + "x" + std::to_string(d.height) + ", expected " +
               std::to_string(m.width) + "x" + std::to_string(m.height);
    }
    for (int32_t y = 0; y < m.height; ++y) {
        for (int32_t x = 0; x < m.width; ++x) {
            for (int c = 0; c < 3; ++c) {
                if (m.bgr[(size_t(y) * m.width + x) * 3 + c] != d.pixel(x, y)[c]) {
                    return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") byte " + std::to_string(c);
                }
            }
        }
    }
    return "";
}

// A tag with every kind of opacity: transparent cells, opaque ones and steps between.
std::vector<uint8_t> makeTag(int32_t tw, int32_t th) {
    PicturePtr colors = makeBusyPicture(tw, th, 5);
    std::vector<uint8_t> cells(colors->pixels, colors->pixels + size_t(tw) * th * 4);
    for (size_t i = 0; i < size_t(tw) * th; ++i) cells[i * 4 + 3] = (i % 5 == 0) ? 0 : uint8_t(i * 37);
    return cells;
}

TEST(PreviewDisplay, MatchesTheBitmapModelAtEveryZoomWithAndWithoutFrame) {
    SettingsGuard guard;
    const struct { int32_t w, h; } sizes[] = {{100, 60}, {13, 7}, {4, 4}, {1, 9}, {37, 41}};
    PreviewDisplay d;  // one for all builds: each reuses what the last one left, overlays too
    for (const auto& s : sizes) {
        PicturePtr p = makeBusyPicture(s.w, s.h, uint32_t(s.w * 31 + s.h));
        for (int32_t zoom : {1, 2, 3, 5, 16}) {
            for (bool frame : {false, true}) {
                for (uint8_t connectable : {0, 1}) {
                    paintSettings().connectable = connectable;
                    ASSERT_EQ(buildPreviewDisplay(*p, zoom, frame, d), PreviewBuild::Built);
                    const Model m = modelDisplay(*p, zoom, frame);
                    ASSERT_EQ(firstMismatch(m, d), "") << s.w << "x" << s.h << " zoom " << zoom << " frame " << frame;
                    // An overlay is wiped by rebuilding from the clean rows.
                    if (!d.empty()) {
                        d.pixel(0, d.height - 1)[1] ^= 0x55;
                        d.pixel(d.width - 1, 0)[2] ^= 0x55;  // a padding column
                        rebuildDisplay(d);
                        ASSERT_EQ(firstMismatch(m, d), "");
                        d.pixel(d.width - 1, d.height - 1)[0] ^= 0x55;  // left for the next build
                    }
                }
            }
        }
    }
}

TEST(PreviewDisplay, SizesShownPartAndFrame) {
    PicturePtr p = makeBusyPicture(100, 60, 1);
    PreviewDisplay d;
    buildPreviewDisplay(*p, 1, false, d);
    EXPECT_EQ(d.shownWidth(), 300);
    EXPECT_EQ(d.shownHeight(), 180);
    buildPreviewDisplay(*p, 3, true, d);
    EXPECT_EQ(d.copyWidth, 33);
    EXPECT_EQ(d.copyHeight, 20);
    EXPECT_EQ(d.shownWidth(), 99);
    EXPECT_EQ(d.width, 100);
    EXPECT_EQ(d.height, 60);
    // Frame: first column and row of each copy inverted, its first pixel twice.
    uint8_t r, g, b;
    getPixel(p.get(), 3, 0, &r, &g, &b);
    EXPECT_EQ(d.pixel(33 + 1, 20)[0], uint8_t(~b));
    getPixel(p.get(), 0, 3, &r, &g, &b);
    EXPECT_EQ(d.pixel(66, 40 + 1)[2], uint8_t(~r));
    getPixel(p.get(), 0, 0, &r, &g, &b);
    EXPECT_EQ(d.pixel(66, 40)[2], r);
    getPixel(p.get(), 3, 3, &r, &g, &b);
    EXPECT_EQ(d.pixel(34, 21)[1], g);

    // The RGB export holds the shown part only.
    const std::vector<uint8_t> rgb = shownRgb(d);
    ASSERT_EQ(rgb.size(), size_t(99) * 60 * 3);
    EXPECT_EQ(rgb[(size_t(21) * 99 + 34) * 3 + 0], r);
    EXPECT_EQ(rgb[(size_t(21) * 99 + 34) * 3 + 1], g);
    EXPECT_EQ(rgb[(size_t(21) * 99 + 34) * 3 + 2], b);

    // A picture smaller than the zoom shows nothing.
    PicturePtr tiny = makeBusyPicture(5, 40, 2);
    buildPreviewDisplay(*tiny, 6, false, d);
    EXPECT_TRUE(d.empty());
    EXPECT_TRUE(shownRgb(d).empty());
}

TEST(TagOverlay, NineCopiesMatchTheModelForPointersAnywhere) {
    SettingsGuard guard;
    PicturePtr p = makeBusyPicture(40, 30, 3);
    const struct {
        int32_t tw, th, zoom, px, py;
        uint8_t level;
    } cases[] = {
        {9, 7, 1, 20, 15, 200},      {9, 7, 1, 0, 0, 255},  {16, 12, 2, -7, 5, 127}, {16, 12, 3, -45, -61, 90},
        {5, 50, 4, 1000, -999, 255}, {60, 3, 1, 39, 29, 1}, {11, 11, 5, 7, -1, 240}, {9, 7, 2, 20, 15, 0},
    };
    for (const auto& c : cases) {
        const std::vector<uint8_t> tag = makeTag(c.tw, c.th);
        PreviewDisplay d;
        buildPreviewDisplay(*p, c.zoom, true, d);
        Model m = modelDisplay(*p, c.zoom, true);
        // Draw twice to show that the clean rows wipe the first overlay.
        drawTagOverlays(d, tag.data(), c.tw, c.th, c.px + 3, c.py, c.level);
        rebuildDisplay(d);
        drawTagOverlays(d, tag.data(), c.tw, c.th, c.px, c.py, c.level);
        const int32_t bx = c.px % 40 - c.tw / 2, by = c.py % 30 - c.th / 2;
        for (int32_t i = 0; i < 3; ++i) {
            for (int32_t j = 0; j < 3; ++j) modelOverlay(m, c.zoom, tag, c.tw, c.th, bx + i * 40, by + j * 30, c.level);
        }
        ASSERT_EQ(firstMismatch(m, d), "")
            << "tag " << c.tw << "x" << c.th << " zoom " << c.zoom << " at " << c.px << "," << c.py;
    }
}

TEST(PreviewGeometry, PointerLayoutAndZoomSteps) {
    // The example of the window: (10, 42) at zoom 2 without scrolling.
    EXPECT_EQ(previewPointer(10, 42, 2, 0, 0), (PreviewPointer{20, 20}));
    // Above the image area the position is negative.
    EXPECT_EQ(previewPointer(0, 0, 1, 0, 0), (PreviewPointer{0, -32}));
    // Scrolled by 5 display pixels at zoom 3, the pointer still names the pixel under it.
    EXPECT_EQ(previewPointer(10, 42, 3, 5, 7), (PreviewPointer{45, 51}));

    const PreviewLayout layout = previewLayout(400, 300);
    EXPECT_EQ(layout.horizontalBar, (PreviewRect{0, 276, 376, 24}));
    EXPECT_EQ(layout.verticalBar, (PreviewRect{376, 0, 24, 276}));
    const PreviewScrollRanges ranges = previewScrollRanges(100, 60);
    EXPECT_EQ(ranges.horizontalMax, 300);
    EXPECT_EQ(ranges.verticalMax, 180);

    EXPECT_EQ(previewZoomOut(16), 16);
    EXPECT_EQ(previewZoomOut(15), 16);
    EXPECT_EQ(previewZoomIn(1), 1);
    EXPECT_EQ(previewZoomIn(2), 1);
}

}  // namespace
