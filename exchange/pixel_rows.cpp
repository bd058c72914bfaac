#include "exchange/pixel_rows.h"

#include "core/wide_pass.h"

namespace {

// From `In` bytes a pixel to `Out`: destination bytes 0, 1, 2 are source bytes R, G,
// B of the same pixel, and a fourth destination byte is 255.
template <int In, int Out, int R, int G, int B>
WIDE_PASS_BODY void convertBody(const uint8_t* __restrict src, uint8_t* __restrict dst, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        dst[Out * i] = src[In * i + R];
        dst[Out * i + 1] = src[In * i + G];
        dst[Out * i + 2] = src[In * i + B];
        if constexpr (Out == 4) dst[Out * i + 3] = 255;
    }
}

}  // namespace

void rgbToCells(const uint8_t* rgb, uint8_t* cells, size_t count) {
    widePass<convertBody<3, 4, 0, 1, 2>>(rgb, cells, count);
}
void cellsToRgb(const uint8_t* cells, uint8_t* rgb, size_t count) {
    widePass<convertBody<4, 3, 0, 1, 2>>(cells, rgb, count);
}
void bgrToCells(const uint8_t* bgr, uint8_t* cells, size_t count) {
    widePass<convertBody<3, 4, 2, 1, 0>>(bgr, cells, count);
}
void bgrxToCells(const uint8_t* bgrx, uint8_t* cells, size_t count) {
    widePass<convertBody<4, 4, 2, 1, 0>>(bgrx, cells, count);
}
void cellsToBgr(const uint8_t* cells, uint8_t* bgr, size_t count) {
    widePass<convertBody<4, 3, 2, 1, 0>>(cells, bgr, count);
}
void cellsToBgrx(const uint8_t* cells, uint8_t* bgrx, size_t count) {
    widePass<convertBody<4, 4, 2, 1, 0>>(cells, bgrx, count);
}
