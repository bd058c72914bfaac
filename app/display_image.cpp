#include "app/display_image.h"

#include <algorithm>
#include <cstring>

#include "core/parallel.h"

namespace {

void fillWhite(uint8_t* out, int64_t cells) {
    if (cells > 0) std::memset(out, 255, size_t(cells) * 4);
}

}  // namespace

void buildDisplayImage(const Picture& picture, int32_t zoom, bool connectable, uint8_t* out, size_t stride) {
    const int32_t w = picture.width;
    const int32_t h = picture.height;
    const int32_t W = displayWidth(w);
    if (w <= 0 || h <= 0) return;
    zoom = clampViewZoom(zoom);

    const int32_t rows = h / zoom;
    const int32_t cols = W / zoom;
    // Columns whose sample point lies inside the picture; the rest (at most the
    // widening to a multiple of 4) take the wrap or repeat the last color read.
    const int32_t inside = std::min(cols, (w - 1) / zoom + 1);
    parallelRows(h, kViewRowsPerBand, [&](int64_t begin, int64_t end) {
        for (int32_t r = int32_t(begin); r < int32_t(end); ++r) {
            uint8_t* dst = out + size_t(r) * stride;
            if (r >= rows) {
                fillWhite(dst, W);
                continue;
            }
            // r * zoom < h, so rows never need the wrap.
            sampleViewRow(picture, zoom, r, inside, dst, ViewCell::Bgrx);
            const uint8_t* row = picture.pixels + size_t(r) * size_t(zoom) * size_t(w) * 4;
            for (int32_t c = inside; c < cols; ++c) {
                uint8_t* cell = dst + size_t(c) * 4;
                if (connectable) {
                    const uint8_t* src = row + size_t((c * zoom) % w) * 4;
                    cell[0] = src[2];
                    cell[1] = src[1];
                    cell[2] = src[0];
                } else {
                    std::memcpy(cell, cell - 4, 3);
                }
                cell[3] = 255;
            }
            fillWhite(dst + size_t(cols) * 4, W - cols);
        }
    });
}
