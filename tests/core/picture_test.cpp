#include "core/picture.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/coverage_mask.h"
#include "core/plane_memory.h"

namespace {
struct SettingsGuard {
    SettingsGuard() { resetPaintSettings(); }
    ~SettingsGuard() { resetPaintSettings(); }
};
}  // namespace

TEST(Picture, NewPictureIsOpaqueWhiteWithZeroMask) {
    SettingsGuard guard;
    PicturePtr p(createPicture(4, 4, 0));
    ASSERT_TRUE(p);
    EXPECT_EQ(p->maskWidth, 8);
    EXPECT_EQ(p->maskHeight, 8);
    for (int i = 0; i < 4 * 4 * 4; ++i) ASSERT_EQ(p->pixels[i], 255);
    for (int i = 0; i < 8 * 8; ++i) ASSERT_EQ(p->mask[i], 0);
}

TEST(Picture, RefusesImpossibleSizes) {
    EXPECT_EQ(createPicture(-1, 4, 0), nullptr);
    EXPECT_EQ(createPicture(4, -1, 0), nullptr);
    EXPECT_EQ(createPicture(70000, 70000, 0), nullptr);
    EXPECT_EQ(createPicture(INT32_MAX, INT32_MAX, 0), nullptr);
    PicturePtr empty(createPicture(0, 0, 0));
    EXPECT_TRUE(empty);
}

// Planes around the size from which they come in large pages: a white picture is white
// to its last cell, an unfilled one holds every cell (the sanitizer sees a short plane),
// and large-page advice on any part of a buffer leaves its bytes alone.
TEST(Picture, PlanesOfEverySizeHoldEveryCell) {
    const int32_t sizes[][2] = {{1, 1}, {2048, 2047}, {2048, 2048}, {2049, 2049}};
    for (const auto& size : sizes) {
        const size_t bytes = size_t(size[0]) * size_t(size[1]) * 4;
        PicturePtr white(createPicture(size[0], size[1], 0));
        ASSERT_TRUE(white);
        EXPECT_EQ(std::count(white->pixels, white->pixels + bytes, uint8_t(255)), ptrdiff_t(bytes))
            << size[0] << " x " << size[1];
        PicturePtr unfilled(createUnfilledPicture(size[0], size[1], 7));
        ASSERT_TRUE(unfilled);
        EXPECT_EQ(unfilled->reserved, 7);
        unfilled->pixels[0] = 1;
        unfilled->pixels[bytes - 1] = 2;
        adviseLargePages(white->pixels + 3, bytes - 3);
        EXPECT_EQ(white->pixels[bytes - 1], 255);
    }
    EXPECT_EQ(createUnfilledPicture(-1, 4, 0), nullptr);
}

TEST(Picture, PutPixelWrapsOrClipsByMode) {
    SettingsGuard guard;
    PicturePtr p(createPicture(6, 5, 0));
    paintSettings().connectable = 0;
    EXPECT_FALSE(putPixel(p.get(), -1, 0, 1, 2, 3));
    EXPECT_FALSE(putPixel(p.get(), 6, 0, 1, 2, 3));
    for (int i = 0; i < 6 * 5 * 4; ++i) ASSERT_EQ(p->pixels[i], 255);

    paintSettings().connectable = 1;
    EXPECT_TRUE(putPixel(p.get(), -1, 0, 1, 2, 3));
    uint8_t r = 0, g = 0, b = 0, a = 0;
    ASSERT_TRUE(getPixelRGBA(p.get(), 5, 0, &r, &g, &b, &a));
    EXPECT_EQ(r, 1);
    EXPECT_EQ(g, 2);
    EXPECT_EQ(b, 3);
    EXPECT_EQ(a, 255);
    EXPECT_TRUE(putPixel(p.get(), 6 * 3 + 2, -5 * 2 + 1, 9, 9, 9));
    ASSERT_TRUE(getPixel(p.get(), 2, 1, &r, nullptr, nullptr));
    EXPECT_EQ(r, 9);
    EXPECT_FALSE(putPixel(nullptr, 0, 0, 1, 1, 1));
}

TEST(Picture, PutPixelBlendsWithTheLevel) {
    SettingsGuard guard;
    PicturePtr p(createPicture(4, 4, 0));
    paintSettings().blendLevel = 51;
    putPixel(p.get(), 1, 1, 0, 100, 255);
    uint8_t r, g, b;
    getPixel(p.get(), 1, 1, &r, &g, &b);
    EXPECT_EQ(r, blendChannel(255, 0, 51));
    EXPECT_EQ(g, blendChannel(255, 100, 51));
    EXPECT_EQ(b, 255);
    // storePixel ignores the level
    storePixel(p.get(), 1, 1, 7, 8, 9);
    getPixel(p.get(), 1, 1, &r, &g, &b);
    EXPECT_EQ(r, 7);
}

TEST(Picture, ReadOutsideLeavesOutputsAlone) {
    SettingsGuard guard;
    PicturePtr p(createPicture(4, 4, 0));
    uint8_t r = 17, g = 18, b = 19;
    EXPECT_FALSE(getPixel(p.get(), 4, 0, &r, &g, &b));
    EXPECT_EQ(r, 17);
    EXPECT_EQ(g, 18);
    EXPECT_EQ(b, 19);
    int32_t mx = 0, my = 0;
    EXPECT_FALSE(mapPoint(nullptr, -3, 12, &mx, &my));
    EXPECT_EQ(mx, -3);
    EXPECT_EQ(my, 12);
}

TEST(Picture, CopyKeepsPixelsAndReserved) {
    SettingsGuard guard;
    PicturePtr p(createPicture(5, 3, 7));
    putPixel(p.get(), 2, 2, 10, 20, 30);
    PicturePtr c(copyPicture(p.get()));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->reserved, 7);
    EXPECT_EQ(0, memcmp(c->pixels, p->pixels, 5 * 3 * 4));
}

TEST(CoverageMask, WrapsInConnectableMode) {
    SettingsGuard guard;
    CoverageMaskPtr m(createCoverageMask(4, 3));
    ASSERT_TRUE(m);
    EXPECT_TRUE(setMask(m.get(), -1, -1, 200));
    uint8_t v = 0;
    EXPECT_TRUE(getMask(m.get(), 3, 2, &v));
    EXPECT_EQ(v, 200);
    paintSettings().connectable = 0;
    EXPECT_FALSE(setMask(m.get(), 4, 0, 1));
}
