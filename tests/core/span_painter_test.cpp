#include "core/span_painter.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/fill_disc.h"
#include "core/fill_rect.h"
#include "tests/core/raster_oracle.h"
#include "tests/support/picture_compare.h"

TEST(StoreCells, WritesExactlyTheCellsAskedFor) {
    const uint32_t word = 0x11223344u, guard = 0xA5A5A5A5u;
    for (int64_t count : {0, 1, 2, 3, 4, 5, 7, 8, 9, 15, 16, 17, 31, 32, 33, 63, 64, 65, 130})
        for (int64_t start : {0, 1, 2, 3}) {
            std::vector<uint32_t> cells(200, guard);
            storeCells(reinterpret_cast<uint8_t*>(cells.data() + start), count, word);
            for (int64_t i = 0; i < int64_t(cells.size()); ++i)
                ASSERT_EQ(cells[i], (i >= start && i < start + count) ? word : guard)
                    << "count " << count << " start " << start << " cell " << i;
        }
}

// Shapes of the generators' sizes on a picture several times wider, so that their
// runs are short and fold across the edges once at most. (These planes are too small
// to be fetched ahead; the generator comparisons on large pictures take that path.)
TEST(SpanPainter, SmallShapesOnAWiderPictureMatchThePerPixelDefinition) {
    std::mt19937 rng(31);
    for (int k = 0; k < 400; ++k) {
        resetPaintSettings();
        PaintSettings& s = paintSettings();
        s.connectable = uint8_t(k & 1);
        s.blendLevel = (k & 2) ? 255 : uint8_t(1 + rng() % 254);
        const int32_t w = int32_t(40 + rng() % 160), h = int32_t(40 + rng() % 120);
        PicturePtr fast(createPicture(w, h, 0));
        for (int32_t i = 0; i < w * h * 4; ++i) fast->pixels[i] = (i % 4 == 3) ? 255 : uint8_t(rng());
        PicturePtr slow(copyPicture(fast.get()));
        const ShapeColor color{uint8_t(rng()), uint8_t(rng()), uint8_t(rng())};
        const int32_t x = int32_t(rng() % (3 * w)) - w, y = int32_t(rng() % (3 * h)) - h;
        if (k % 4 < 2) {
            const int32_t x1 = x + int32_t(rng() % 36), y1 = y + int32_t(rng() % 36);
            fillRect(fast.get(), x, y, x1, y1, color);
            oracle::fillRect(slow.get(), x, y, x1, y1, color);
        } else {
            const int32_t r = int32_t(rng() % 34);
            fillDisc(fast.get(), x, y, r, color);
            oracle::fillDisc(slow.get(), x, y, r, color);
        }
        ASSERT_EQ(firstDifference(slow.get(), fast.get()), "")
            << "case " << k << ": " << w << "x" << h << " at " << x << "," << y;
    }
}
