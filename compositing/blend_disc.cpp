#include "compositing/blend_disc.h"

#include <cmath>

#include "compositing/stamp_block.h"
#include "core/connectable.h"
#include "core/coverage_mask.h"
#include "core/picture.h"

void blendDisc(Picture* picture, CoverageMask* mask, int32_t x, int32_t y, const uint8_t* block, int32_t bw, int32_t bh,
               int32_t cx, int32_t cy, int32_t r, int64_t mixPercent, int32_t opaquePercent) {
    if (!picture || r <= 0 || picture->width <= 0 || picture->height <= 0) return;
    const PaintSettings& s = paintSettings();
    const bool connectable = s.connectable != 0;
    const uint32_t level = s.blendLevel;
    const int64_t pw = picture->width, ph = picture->height;
    // The mask lines up with the picture cell for cell when it has its size.
    const bool maskAligned = mask && mask->width == picture->width && mask->height == picture->height;
    const double radius = double(r);
    const double mix = double(mixPercent);
    const double r0 = double(opaquePercent) / 100.0 * radius;

    for (int64_t dy = -r; dy < r; ++dy) {
        const int64_t row = cy + dy;
        if (row < 0 || row >= bh) continue;
        int64_t py = y + dy;
        if (connectable) {
            py = wrapIndex(py, ph);
        } else if (py < 0 || py >= ph) {
            continue;
        }
        // Offsets with dx^2 + dy^2 < r^2 are exactly those with sqrt(..) < r.
        const int64_t room = int64_t(r) * r - dy * dy;
        if (room <= 0) continue;
        int64_t half = int64_t(std::sqrt(double(room)));
        while (half > 0 && half * half >= room) --half;
        while ((half + 1) * (half + 1) < room) ++half;
        // Columns -half .. half, within [-r, r), within the block and, with
        // connectable mode off, within the picture.
        int64_t from = std::max<int64_t>(-half, -cx), to = std::min<int64_t>(half + 1, int64_t(bw) - cx);
        from = std::max<int64_t>(from, -r);
        to = std::min<int64_t>(to, r);
        if (!connectable) {
            from = std::max<int64_t>(from, -int64_t(x));
            to = std::min<int64_t>(to, pw - x);
        }
        if (from >= to) continue;
        uint8_t* pixelRow = picture->pixels + size_t(py) * size_t(pw) * 4;
        uint8_t* maskRow = maskAligned ? mask->bytes + size_t(py) * size_t(pw) : nullptr;
        const uint8_t* cell = block + (size_t(row) * size_t(bw) + size_t(cx + from)) * 4;
        int64_t px = connectable ? wrapIndex(x + from, pw) : x + from;
        const double dy2 = double(dy * dy);
        for (int64_t dx = from; dx < to; ++dx, cell += 4) {
            const double d = std::sqrt(double(dx * dx) + dy2);
            double c;
            if (opaquePercent != 0) {
                c = d < r0 ? 1.0 : 1.0 - (d - r0) / (radius - r0);
            } else {
                c = 1.0 - d / radius;
            }
            const double k = c * mix / 100.0;
            const double opacity = cell[3];
            const double lv = opacity * k;
            // The integer part kept to its low 8 bits (within 64 bits, as any
            // percentage a 32-bit field holds gives).
            const uint32_t levelHere = uint32_t(uint64_t(int64_t(lv)) & 0xFF);
            blendCellInto(pixelRow + size_t(px) * 4, cell, levelHere, level);
            const double v = opacity * c;
            if (maskRow) {
                uint8_t& coverage = maskRow[px];
                if (v > coverage) coverage = uint8_t(v);
            } else if (mask) {
                uint8_t old = 0;
                getMask(mask, int32_t(x + dx), int32_t(y + dy), &old);
                setMask(mask, int32_t(x + dx), int32_t(y + dy), v > old ? uint8_t(v) : old);
            }
            if (++px == pw && connectable) px = 0;
        }
    }
}
