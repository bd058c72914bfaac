#include "exchange/pixel_rows.h"

namespace {

#if defined(__x86_64__) || defined(__i386__)
#define ROWS_BODY [[gnu::always_inline]] inline
#define ROWS_WIDE_TARGET [[gnu::target("avx2")]]
bool processorHasWideVectors() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#else
#define ROWS_BODY inline
#define ROWS_WIDE_TARGET
bool processorHasWideVectors() { return false; }
#endif

// From `In` bytes a pixel to `Out`: destination bytes 0, 1, 2 are source bytes R, G,
// B of the same pixel, and a fourth destination byte is 255.
template <int In, int Out, int R, int G, int B>
ROWS_BODY void convertBody(const uint8_t* __restrict src, uint8_t* __restrict dst, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        dst[Out * i] = src[In * i + R];
        dst[Out * i + 1] = src[In * i + G];
        dst[Out * i + 2] = src[In * i + B];
        if constexpr (Out == 4) dst[Out * i + 3] = 255;
    }
}

template <int In, int Out, int R, int G, int B>
ROWS_WIDE_TARGET void convertWide(const uint8_t* src, uint8_t* dst, size_t count) {
    convertBody<In, Out, R, G, B>(src, dst, count);
}

template <int In, int Out, int R, int G, int B>
void convertBaseline(const uint8_t* src, uint8_t* dst, size_t count) {
    convertBody<In, Out, R, G, B>(src, dst, count);
}

template <int In, int Out, int R, int G, int B>
void convert(const uint8_t* src, uint8_t* dst, size_t count) {
    if (widePixelRowsAllowed() && processorHasWideVectors())
        convertWide<In, Out, R, G, B>(src, dst, count);
    else
        convertBaseline<In, Out, R, G, B>(src, dst, count);
}

}  // namespace

bool& widePixelRowsAllowed() {
    static bool allowed = true;
    return allowed;
}

void rgbToCells(const uint8_t* rgb, uint8_t* cells, size_t count) { convert<3, 4, 0, 1, 2>(rgb, cells, count); }
void cellsToRgb(const uint8_t* cells, uint8_t* rgb, size_t count) { convert<4, 3, 0, 1, 2>(cells, rgb, count); }
void bgrToCells(const uint8_t* bgr, uint8_t* cells, size_t count) { convert<3, 4, 2, 1, 0>(bgr, cells, count); }
void bgrxToCells(const uint8_t* bgrx, uint8_t* cells, size_t count) { convert<4, 4, 2, 1, 0>(bgrx, cells, count); }
void cellsToBgr(const uint8_t* cells, uint8_t* bgr, size_t count) { convert<4, 3, 2, 1, 0>(cells, bgr, count); }
void cellsToBgrx(const uint8_t* cells, uint8_t* bgrx, size_t count) { convert<4, 4, 2, 1, 0>(cells, bgrx, count); }
