#pragma once
// Random cases for comparing a fast primitive with its per-pixel definition:
// random sizes, coordinates far outside the picture, both connectable modes and
// opaque, blended and zero levels, drawn over random existing pixels.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "core/paint_settings.h"
#include "core/picture.h"
#include "core/shape_color.h"
#include "tests/core/raster_oracle.h"
#include "tests/support/picture_compare.h"

struct RasterCase {
    std::mt19937& rng;
    int32_t width;
    int32_t height;
    ShapeColor color;

    int32_t coord(int32_t size) {  // from well left of the picture to well right of it
        return std::uniform_int_distribution<int32_t>(-3 * size, 4 * size)(rng);
    }
    int32_t upTo(int32_t n) { return std::uniform_int_distribution<int32_t>(0, n)(rng); }
};

// Runs `cases` random cases; `draw(pic, c, fast)` draws the same figure with the
// fast primitive (fast = true) or the oracle.
inline void compareWithOracle(int cases, uint32_t seed, const std::function<void(Picture*, RasterCase&, bool)>& draw) {
    std::mt19937 rng(seed);
    for (int k = 0; k < cases; ++k) {
        resetPaintSettings();
        PaintSettings& s = paintSettings();
        s.connectable = uint8_t(rng() & 1);
        const uint32_t pick = rng() % 4;
        s.blendLevel = pick == 0 ? 255 : pick == 1 ? 0 : uint8_t(1 + rng() % 254);
        RasterCase c{rng, int32_t(1 + rng() % 23), int32_t(1 + rng() % 19),
                     ShapeColor{uint8_t(rng()), uint8_t(rng()), uint8_t(rng())}};
        PicturePtr fast(createPicture(c.width, c.height, 0));
        for (int32_t i = 0; i < c.width * c.height * 4; ++i) fast->pixels[i] = (i % 4 == 3) ? 255 : uint8_t(rng());
        PicturePtr slow(copyPicture(fast.get()));

        const auto state = rng;
        draw(fast.get(), c, true);
        c.rng = state;  // same figure for the oracle
        draw(slow.get(), c, false);
        ASSERT_TRUE(samePixels(fast.get(), slow.get()))
            << "case " << k << ": " << c.width << "x" << c.height << " connectable " << int(s.connectable) << " level "
            << int(s.blendLevel);
    }
}
