#include "compositing/stamp_block.h"

#include <algorithm>

#include "compositing/tag_image.h"
#include "core/connectable.h"
#include "core/picture.h"

void stampBlock(Picture* picture, int32_t x, int32_t y, const uint8_t* cells, int32_t w, int32_t h, uint32_t keyColor) {
    if (!picture || h < 1 || w < 1 || picture->width <= 0 || picture->height <= 0) return;
    const PaintSettings& s = paintSettings();
    const bool connectable = s.connectable != 0;
    const uint32_t level = s.blendLevel;
    const int64_t pw = picture->width, ph = picture->height;

    // Outside the picture with connectable mode off, neither the read nor the write
    // reaches a pixel: those columns are skipped as a whole.
    int32_t firstCol = 0, endCol = w;
    if (!connectable) {
        if (int64_t(x) < 0) firstCol = int32_t(std::min<int64_t>(w, -int64_t(x)));
        if (int64_t(x) + w > pw) endCol = int32_t(std::max<int64_t>(0, pw - int64_t(x)));
        if (firstCol >= endCol) return;
    }
    for (int32_t r = 0; r < h; ++r) {
        int64_t py = int64_t(y) + r;
        if (connectable) {
            py = wrapIndex(py, ph);
        } else if (py < 0 || py >= ph) {
            continue;
        }
        uint8_t* row = picture->pixels + size_t(py) * size_t(pw) * 4;
        const uint8_t* cell = cells + (size_t(r) * size_t(w) + size_t(firstCol)) * 4;
        int64_t px = connectable ? wrapIndex(int64_t(x) + firstCol, pw) : int64_t(x) + firstCol;
        for (int32_t c = firstCol; c < endCol; ++c, cell += 4) {
            const uint32_t opacity = cell[3];
            // A transparent cell mixes nothing in, and a level over an unchanged
            // color gives it back: the pixel stays as it was.
            if (opacity == 255 && level == 255 && !matchesKeyColor(cell, keyColor)) {
                // Both levels full: the mixes give the cell's color itself.
                uint8_t* dst = row + size_t(px) * 4;
                dst[0] = cell[0];
                dst[1] = cell[1];
                dst[2] = cell[2];
                dst[3] = 255;
            } else if (opacity != 0 && !matchesKeyColor(cell, keyColor)) {
                blendCellInto(row + size_t(px) * 4, cell, opacity, level);
            }
            if (++px == pw && connectable) px = 0;
        }
    }
}
