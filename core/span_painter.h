#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/connectable.h"
#include "core/paint_settings.h"
#include "core/picture.h"
#include "core/shape_color.h"

// The fast form of "putPixel for every point of a shape". Within one shape every
// write carries the same color and level, so a pixel's final value depends only on
// how many times the shape writes it, never on the order: opaque writes leave the
// color, and k blended writes apply the same blend k times. The painter takes
// whole horizontal runs, folds or clips them once per run, and writes each pixel
// the right number of times. Settings are captured when it is made: make one per
// shape, after the shape's blendLevel is chosen.
class SpanPainter {
public:
    SpanPainter(Picture* picture, ShapeColor color);

    // False when no write of this shape can change a pixel (no picture, an empty
    // one, or blend level 0, which keeps every pixel as it is).
    bool active() const { return active_; }
    bool wraps() const { return wrap_; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }

    // One putPixel at (x, y).
    inline void point(int64_t x, int64_t y);

    // putPixel `times` times at every point (x, y) with x in [x0, x0 + len).
    void run(int64_t y, int64_t x0, int64_t len, int64_t times = 1);

    // Whether writing every pixel of a row at least `perPixel` times leaves the row
    // final: once for opaque writes, 255 for blended ones (a blend of one color
    // reaches its fixed point in at most 255 steps).
    bool saturated(int64_t perPixel) const { return perPixel >= saturation_; }
    int64_t saturation() const { return saturation_; }

    // Wrapped or plain row of y: -1 when the row is clipped away.
    inline int64_t rowOf(int64_t y) const;

    // Asks the memory for the cells of a run about to be written. Small shapes on a
    // large picture touch a fresh cache line on every row; asking a few rows ahead lets
    // those fetches overlap instead of each write waiting for its own.
    inline void prefetchRun(int64_t y, int64_t x0, int64_t len) const;

private:
    void fill(uint8_t* cell, int64_t count, int64_t times);

    // The non-negative remainder, without a division for the points one picture
    // size around it, where nearly all drawing happens.
    static int64_t fold(int64_t v, int64_t m) {
        if (v >= 0) {
            if (v < m) return v;
            if (v < 2 * m) return v - m;
        } else if (v >= -m) {
            return v + m;
        }
        return wrapIndex(v, m);
    }

    uint8_t* pixels_ = nullptr;
    int32_t width_ = 0;
    int32_t height_ = 0;
    bool wrap_ = false;
    bool active_ = false;
    bool opaque_ = true;
    int64_t saturation_ = 1;
    uint32_t keep_ = 0;            // 255 - level
    uint32_t add_[3] = {0, 0, 0};  // new channel * level
    uint8_t color_[4] = {0, 0, 0, 255};
};

inline int64_t SpanPainter::rowOf(int64_t y) const {
    if (wrap_) return fold(y, height_);
    return (y < 0 || y >= height_) ? -1 : y;
}

inline void SpanPainter::prefetchRun(int64_t y, int64_t x0, int64_t len) const {
    if (!active_) return;
    const int64_t row = rowOf(y);
    if (row < 0) return;
    const int64_t x = wrap_ ? fold(x0, width_) : (x0 < 0 ? 0 : x0 >= width_ ? width_ - 1 : x0);
    const uint8_t* line = pixels_ + size_t(row) * size_t(width_) * 4;
    const int64_t last = std::min<int64_t>(x + len, width_) - 1;
    for (int64_t c = x; c <= last; c += 16) __builtin_prefetch(line + c * 4, 1);
    __builtin_prefetch(line + last * 4, 1);
}

inline void SpanPainter::point(int64_t x, int64_t y) {
    if (!active_) return;
    if (wrap_) {
        x = fold(x, width_);
        y = fold(y, height_);
    } else if (x < 0 || y < 0 || x >= width_ || y >= height_) {
        return;
    }
    uint8_t* cell = pixels_ + (size_t(y) * size_t(width_) + size_t(x)) * 4;
    if (opaque_) {
        std::memcpy(cell, color_, 4);
    } else {
        cell[0] = static_cast<uint8_t>((cell[0] * keep_ + add_[0]) / 255u);
        cell[1] = static_cast<uint8_t>((cell[1] * keep_ + add_[1]) / 255u);
        cell[2] = static_cast<uint8_t>((cell[2] * keep_ + add_[2]) / 255u);
        cell[3] = 255;
    }
}
