#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "compositing/pixel_overlap_area.h"
#include "compositing/rotate_anti_aliased.h"
#include "compositing/rotate_block.h"
#include "compositing/rotate_fast.h"
#include "compositing/rotation_math.h"
#include "tests/compositing/rotation_oracle.h"

namespace {

// Cells of varied color; every fifth cell transparent, so opacity is averaged too.
std::vector<uint8_t> sampleCells(int32_t w, int32_t h, uint32_t seed) {
    std::vector<uint8_t> cells(size_t(w) * size_t(h) * 4);
    for (size_t i = 0; i < cells.size(); ++i) {
        seed = seed * 1103515245u + 12345u;
        cells[i] = uint8_t(seed >> 16);
        if (i % 4 == 3) cells[i] = (i / 4) % 5 == 0 ? 0 : 255;
    }
    return cells;
}

// A cell-for-cell rotation of the source by 90 degrees counter-clockwise.
std::vector<uint8_t> quarterRotation(const std::vector<uint8_t>& src, int32_t w, int32_t h) {
    std::vector<uint8_t> out(src.size());
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x)
            std::memcpy(&out[(size_t(y) + size_t(w - 1 - x) * size_t(h)) * 4],
                        &src[(size_t(x) + size_t(y) * size_t(w)) * 4], 4);
    return out;
}

TEST(RotationMath, CosDegreesIsExactAtMultiplesOfThirty) {
    EXPECT_EQ(cosDegrees(90), 0.0);
    EXPECT_EQ(cosDegrees(180), -1.0);
    EXPECT_EQ(cosDegrees(60), 0.5);
    EXPECT_EQ(cosDegrees(29.9999999), 0.866025403784439);
    EXPECT_EQ(cosDegrees(-0.00000001), 1.0);
    EXPECT_EQ(cosDegrees(720 + 270), 0.0);
    EXPECT_EQ(cosDegrees(45), std::cos(45 * 3.14159265358979 / 180));
    EXPECT_EQ(cosDegrees(-30), std::cos(-30 * 3.14159265358979 / 180));  // negative multiples take the formula
    EXPECT_EQ(ceilTolerant(14.142), 15);
    EXPECT_EQ(ceilTolerant(10.0000000001), 10);
    EXPECT_EQ(ceilTolerant(9.9999999999), 10);
    EXPECT_EQ(ceilTolerant(0.0), 0);
}

TEST(PixelOverlapArea, MatchesPlainGeometry) {
    // The unrotated cell itself, the same cell half off to the left, and a square
    // rotated by 45 degrees centred on a corner of the cell (a quarter inside).
    const double full[4] = {0, 1, 1, 0}, fullY[4] = {0, 0, 1, 1};
    EXPECT_EQ(pixelOverlapArea(full, fullY, 0.5, 0.5, 1, 0), 1.0);
    const double half[4] = {-0.5, 0.5, 0.5, -0.5};
    EXPECT_EQ(pixelOverlapArea(half, fullY, 0.0, 0.5, 1, 0), 0.5);
    const double r = std::sqrt(0.5), c = std::cos(M_PI / 4), s = -std::sin(M_PI / 4);
    const double dx[4] = {-r, 0, r, 0}, dy[4] = {0, -r, 0, r};
    EXPECT_NEAR(pixelOverlapArea(dx, dy, 0, 0, c, s), 0.25, 1e-12);
    const double away[4] = {2, 3, 3, 2};
    EXPECT_EQ(pixelOverlapArea(away, fullY, 2.5, 0.5, 1, 0), 0.0);
}

// Both rotations against their straightforward definitions, to the last byte, over
// even, odd, square, flat and empty blocks at exact, near-exact and general angles
// (whole angles as the random draws give them, and beyond a rotation as the preview's).
TEST(Rotation, BothRotationsMatchTheirDefinitionsCellForCell) {
    const int32_t sizes[][2] = {{0, 0}, {1, 1}, {10, 6}, {9, 7}, {10, 10}, {17, 5}, {2, 31}, {33, 20}};
    const double angles[] = {0,   1,   29.9999999, 30,  37,  45,  89,  90,  91,  135,   179,
                             180, 200, 269,        270, 301, 359, 360, 400, 721, 65535, -30};
    for (const auto& sz : sizes) {
        const auto src = sampleCells(sz[0], sz[1], uint32_t(sz[0] * 131 + sz[1]));
        for (double a : angles) {
            SCOPED_TRACE(testing::Message() << sz[0] << "x" << sz[1] << " at " << a);
            const oracle::Block wantFast = oracle::rotateFast(src.data(), sz[0], sz[1], a);
            const TagImage fast = rotateFast(src.data(), sz[0], sz[1], a);
            ASSERT_EQ(fast.width, wantFast.w);
            ASSERT_EQ(fast.height, wantFast.h);
            EXPECT_TRUE(fast.pixels == wantFast.cells);

            const oracle::Block wantAa = oracle::rotateAntiAliased(src.data(), sz[0], sz[1], a);
            const std::optional<TagImage> aa = rotateBlock(src.data(), sz[0], sz[1], a, true);
            ASSERT_TRUE(aa);
            ASSERT_EQ(aa->width, wantAa.w);
            ASSERT_EQ(aa->height, wantAa.h);
            EXPECT_TRUE(aa->pixels == wantAa.cells);

            // A window of either rotation is the same cells as the whole rotation there.
            for (bool anti : {false, true}) {
                const TagImage& whole = anti ? *aa : fast;
                CellRect part;
                const auto win = rotateBlockWindow(src.data(), sz[0], sz[1], a, anti,
                                                   CellRect{whole.width / 3, whole.height / 4, 7, 5}, &part);
                ASSERT_TRUE(win);
                for (int32_t y = 0; y < part.height; ++y)
                    for (int32_t x = 0; x < part.width; ++x)
                        ASSERT_EQ(
                            0,
                            std::memcmp(
                                &win->pixels[(size_t(x) + size_t(y) * size_t(part.width)) * 4],
                                &whole.pixels[(size_t(part.x + x) + size_t(part.y + y) * size_t(whole.width)) * 4], 4));
            }
        }
    }
}

// Whole quarter rotations of the anti-aliased method move cells without changing them,
// odd sizes included: nothing of the last column or row is lost.
TEST(Rotation, AntiAliasedQuarterRotationsKeepEveryCell) {
    for (auto [w, h] : {std::pair{10, 6}, std::pair{9, 7}}) {
        const auto src = sampleCells(w, h, 7);
        for (double a : {0.0, 360.0, -360.0}) {
            const auto same = rotateBlock(src.data(), w, h, a, true);
            ASSERT_TRUE(same);
            EXPECT_EQ(same->width, w);
            EXPECT_EQ(same->height, h);
            EXPECT_TRUE(same->pixels == src) << a;
        }
        const auto rotated = rotateBlock(src.data(), w, h, 90, true);
        ASSERT_TRUE(rotated);
        EXPECT_EQ(rotated->width, h);
        EXPECT_EQ(rotated->height, w);
        EXPECT_TRUE(rotated->pixels == quarterRotation(src, w, h));
    }
}

TEST(Rotation, SizesCornersAndOpacityOfGeneralRotations) {
    const std::vector<uint8_t> opaque(10 * 10 * 4, 200);
    const auto aa = rotateBlock(opaque.data(), 10, 10, 45, true);
    const auto fast = rotateBlock(opaque.data(), 10, 10, 45, false);
    ASSERT_TRUE(aa && fast);
    EXPECT_EQ(aa->width, 15);
    EXPECT_EQ(aa->height, 15);
    EXPECT_EQ(fast->width, 14);
    EXPECT_EQ(fast->height, 14);
    for (int32_t corner : {0, 14, 14 * 15, 15 * 15 - 1}) EXPECT_EQ(aa->pixels[size_t(corner) * 4 + 3], 0);
    // The rim keeps full opacity: a weighted mean of covering cells, not a coverage.
    EXPECT_EQ(aa->pixels[(7 + 0 * 15) * 4 + 3], 200);

    // Opaque left column, transparent right column: a cell covered by both gets an
    // opacity between the two.
    std::vector<uint8_t> split(2 * 2 * 4, 0);
    for (int y = 0; y < 2; ++y) split[size_t(y * 2) * 4 + 3] = 255;
    const auto mixed = rotateBlock(split.data(), 2, 2, 30, true);
    ASSERT_TRUE(mixed);
    bool between = false;
    for (size_t i = 3; i < mixed->pixels.size(); i += 4) between |= mixed->pixels[i] > 0 && mixed->pixels[i] < 255;
    EXPECT_TRUE(between);
}

TEST(Rotation, RefusesRotationsLargerThanAPicture) {
    const uint8_t cell[4] = {1, 2, 3, 4};
    // 20000 x 20000 rotated by 45 degrees would need about 800 million cells; the
    // size is refused before any cell is read or allocated.
    EXPECT_FALSE(rotateBlock(cell, 20000, 20000, 45, false));
    EXPECT_FALSE(rotateBlock(cell, 20000, 20000, 45, true));
    const auto empty = rotateBlock(cell, 0, 0, 45, true);
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->width, 0);
    EXPECT_EQ(empty->height, 0);
}

}  // namespace
