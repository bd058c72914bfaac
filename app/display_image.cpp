#include "app/display_image.h"

#include <cstring>

void buildDisplayImage(const Picture& picture, int32_t zoom, bool connectable, uint8_t* out, size_t stride) {
    const int32_t w = picture.width;
    const int32_t h = picture.height;
    const int32_t W = displayWidth(w);
    if (w <= 0 || h <= 0) return;
    if (zoom < 1) zoom = 1;
    if (zoom > 16) zoom = 16;

    const int32_t rows = h / zoom;
    const int32_t cols = W / zoom;
    for (int32_t r = 0; r < h; ++r) std::memset(out + size_t(r) * stride, 255, size_t(W) * 4);

    // Columns whose sample point lies inside the picture; the rest (at most the
    // widening to a multiple of 4) take the wrap or repeat the last colour read.
    const int32_t inside = cols < (w - 1) / zoom + 1 ? cols : (w - 1) / zoom + 1;
    const size_t step = size_t(zoom) * 4;
    for (int32_t r = 0; r < rows; ++r) {
        // r*zoom < h, so rows never need the wrap.
        const uint8_t* row = picture.pixels + size_t(r) * size_t(zoom) * size_t(w) * 4;
        const uint8_t* src = row;
        uint8_t* dst = out + size_t(r) * stride;
        for (int32_t c = 0; c < inside; ++c, src += step, dst += 4) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
        }
        for (int32_t c = inside; c < cols; ++c, dst += 4) {
            if (connectable) {
                const uint8_t* cell = row + size_t((c * zoom) % w) * 4;
                dst[0] = cell[2];
                dst[1] = cell[1];
                dst[2] = cell[0];
            } else {
                dst[0] = dst[-4];
                dst[1] = dst[-3];
                dst[2] = dst[-2];
            }
        }
    }
}
