#include "compositing/tag_overlay.h"

#include <algorithm>

#include "core/connectable.h"

void drawTagOverlay(PreviewDisplay& display, const uint8_t* cells, int32_t tw, int32_t th, int64_t x, int64_t y,
                    uint8_t level) {
    // Level 0 scales every opacity to 0: nothing would change.
    if (!cells || level == 0 || display.pixels.empty() || tw <= 0 || th <= 0) return;
    const int64_t zoom = display.zoom;
    const int64_t left = x / zoom;  // toward zero, as the display placement is defined
    const int64_t top = y / zoom;
    // Only the reduced cells that land inside the display image are visited.
    const int64_t c0 = std::max<int64_t>(0, -left);
    const int64_t c1 = std::min<int64_t>(tw / zoom, int64_t(display.width) - left);
    const int64_t r0 = std::max<int64_t>(0, -top);
    const int64_t r1 = std::min<int64_t>(th / zoom, int64_t(display.height) - top);
    if (c0 >= c1 || r0 >= r1) return;

    const size_t cellStep = size_t(zoom) * 4;
    for (int64_t r = r0; r < r1; ++r) {
        const uint8_t* cell = cells + (size_t(r * zoom) * size_t(tw) + size_t(c0 * zoom)) * 4;
        uint8_t* out = display.pixel(int32_t(c0 + left), int32_t(r + top));
        for (int64_t c = c0; c < c1; ++c, cell += cellStep, out += 3) {
            const uint8_t a = cell[3];
            if (a == 0) continue;
            const uint8_t l = blendChannel(0, a, level);
            out[0] = blendChannel(out[0], cell[2], l);
            out[1] = blendChannel(out[1], cell[1], l);
            out[2] = blendChannel(out[2], cell[0], l);
        }
    }
}

void drawTagOverlays(PreviewDisplay& display, const uint8_t* cells, int32_t tw, int32_t th, int32_t pointerX,
                     int32_t pointerY, uint8_t level) {
    const int32_t w = display.pictureWidth;
    const int32_t h = display.pictureHeight;
    if (w <= 0 || h <= 0) return;
    const int64_t bx = int64_t(pointerX % w) - tw / 2;
    const int64_t by = int64_t(pointerY % h) - th / 2;
    for (int64_t i = 0; i < 3; ++i) {
        for (int64_t j = 0; j < 3; ++j) drawTagOverlay(display, cells, tw, th, bx + i * w, by + j * h, level);
    }
}
