#pragma once
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/connectable.h"
#include "core/paint_settings.h"
#include "core/picture.h"
#include "core/shape_color.h"

// Where a run lands in one row: cells [from, from + first) and [0, second). A run
// shorter than a row wraps at most once, so two pieces always suffice; a clipped run
// has no second piece.
struct ColumnSpan {
    int64_t from = 0;
    int64_t first = 0;
    int64_t second = 0;
};

// `count` cells from `cell` set to the four bytes of `word` (a cell's bytes in plane
// order). Short runs, the common case of small shapes, take a few overlapping 16-byte
// stores instead of a loop with a tail.
inline void storeCells(uint8_t* cell, int64_t count, uint32_t word) {
    if (count >= 4) {
        uint32_t four[4] = {word, word, word, word};
        uint8_t* const last = cell + (count - 4) * 4;
        for (; cell < last; cell += 16) std::memcpy(cell, four, 16);
        std::memcpy(last, four, 16);
    } else if (count >= 2) {
        const uint64_t two = uint64_t(word) | (uint64_t(word) << 32);
        std::memcpy(cell, &two, 8);
        std::memcpy(cell + (count - 2) * 4, &two, 8);
    } else if (count == 1) {
        std::memcpy(cell, &word, 4);
    }
}

// The fast form of "putPixel for every point of a shape". Within one shape every
// write carries the same color and level, so a pixel's final value depends only on
// how many times the shape writes it, never on the order: opaque writes leave the
// color, and k blended writes apply the same blend k times. The painter takes
// whole horizontal runs, folds or clips them once per run, and writes each pixel
// the right number of times. Settings are captured when it is made: make one per
// shape, after the shape's blendLevel is chosen.
// Planes of at least this many bytes are fetched ahead (see SpanPainter::fetches). A
// plane of 4 MiB stays in the caches and is written faster without the requests; one
// of 16 MiB is written faster with them.
inline constexpr int64_t kFetchedPlaneBytes = int64_t(8) << 20;

class SpanPainter {
public:
    SpanPainter(Picture* picture, ShapeColor color);

    // False when no write of this shape can change a pixel (no picture, an empty
    // one, or blend level 0, which keeps every pixel as it is).
    bool active() const { return active_; }
    bool wraps() const { return wrap_; }
    // Whether asking the memory ahead pays: only for a plane too large to stay in the
    // caches, where each row of a small shape is a fresh fetch. On a small plane the
    // requests only queue behind each other.
    bool fetches() const { return fetch_; }
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

    // Where a run of `len` cells from x0 lands in a row: folded when wrapping (then
    // len must be below the width), clipped otherwise. Every row of a rectangle shares
    // it, and both rows of a disc at the same distance from its centre.
    inline ColumnSpan columnsOf(int64_t x0, int64_t len) const;

    // The first cell of a row, 0 <= row < height().
    uint8_t* line(int64_t row) const { return pixels_ + size_t(row) * size_t(width_) * 4; }

    // putPixel once at every cell of `span` in `line`.
    inline void fillSpan(uint8_t* line, const ColumnSpan& span);

    // Asks the memory for the cells of `span` in `line`, about to be written.
    inline void prefetchSpan(const uint8_t* line, const ColumnSpan& span) const;

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
    bool fetch_ = false;
    int64_t saturation_ = 1;
    uint32_t keep_ = 0;            // 255 - level
    uint32_t add_[3] = {0, 0, 0};  // new channel * level
    uint8_t color_[4] = {0, 0, 0, 255};
    uint32_t word_ = 0;  // color_ as one word
};

inline ColumnSpan SpanPainter::columnsOf(int64_t x0, int64_t len) const {
    ColumnSpan span;
    if (wrap_) {
        span.from = fold(x0, width_);
        span.first = std::min<int64_t>(len, width_ - span.from);
        span.second = len - span.first;
    } else {
        span.from = std::max<int64_t>(x0, 0);
        span.first = std::max<int64_t>(std::min<int64_t>(x0 + len, width_) - span.from, 0);
    }
    return span;
}

inline void SpanPainter::fillSpan(uint8_t* line, const ColumnSpan& span) {
    if (opaque_) {
        storeCells(line + span.from * 4, span.first, word_);
        storeCells(line, span.second, word_);
    } else {
        fill(line + span.from * 4, span.first, 1);
        fill(line, span.second, 1);
    }
}

inline void prefetchCells(const uint8_t* cell, int64_t count) {
    // One touch per cache line the cells reach.
    const uintptr_t first = reinterpret_cast<uintptr_t>(cell) & ~uintptr_t(63);
    const uintptr_t last = reinterpret_cast<uintptr_t>(cell + count * 4 - 1);
    for (uintptr_t at = first; at <= last; at += 64) __builtin_prefetch(reinterpret_cast<const void*>(at), 1);
}

inline void SpanPainter::prefetchSpan(const uint8_t* line, const ColumnSpan& span) const {
    if (!fetch_) return;
    if (span.first > 0) prefetchCells(line + span.from * 4, span.first);
    if (span.second > 0) prefetchCells(line, span.second);
}

inline int64_t SpanPainter::rowOf(int64_t y) const {
    if (wrap_) return fold(y, height_);
    return (y < 0 || y >= height_) ? -1 : y;
}

inline void SpanPainter::prefetchRun(int64_t y, int64_t x0, int64_t len) const {
    if (!active_ || !fetch_) return;
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
