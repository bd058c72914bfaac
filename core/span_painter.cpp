#include "core/span_painter.h"

#include <algorithm>

SpanPainter::SpanPainter(Picture* picture, ShapeColor color) {
    if (!picture || picture->width <= 0 || picture->height <= 0 || !picture->pixels) return;
    const PaintSettings& s = paintSettings();
    pixels_ = picture->pixels;
    width_ = picture->width;
    height_ = picture->height;
    wrap_ = s.connectable != 0;
    fetch_ = int64_t(width_) * height_ * 4 >= kFetchedPlaneBytes;
    const uint32_t level = s.blendLevel;
    opaque_ = level == 255;
    active_ = level != 0;
    saturation_ = opaque_ ? 1 : 255;
    keep_ = 255u - level;
    add_[0] = color.red * level;
    add_[1] = color.green * level;
    add_[2] = color.blue * level;
    color_[0] = color.red;
    color_[1] = color.green;
    color_[2] = color.blue;
    color_[3] = 255;
    std::memcpy(&word_, color_, 4);
}

void SpanPainter::fill(uint8_t* cell, int64_t count, int64_t times) {
    if (count <= 0 || times <= 0) return;
    if (opaque_) {
        uint32_t word;
        std::memcpy(&word, color_, 4);
        auto* words = reinterpret_cast<uint32_t*>(cell);
        std::fill(words, words + count, word);
        return;
    }
    if (times == 1) {
        // All four bytes of a cell in one uniform step so the loop vectorises: the
        // alpha lane keeps nothing and adds 255 * 255, which gives 255. Every sum
        // stays within 16 bits (cell * keep + new * level <= 255 * 255), where
        // (x + 1 + (x >> 8)) >> 8 is exactly x / 255.
        uint16_t k[16], a[16];
        for (int j = 0; j < 16; ++j) {
            const int lane = j % 4;
            k[j] = lane == 3 ? 0 : uint16_t(keep_);
            a[j] = lane == 3 ? uint16_t(255 * 255) : uint16_t(add_[lane]);
        }
        const int64_t bytes = count * 4;
        int64_t i = 0;
        for (; i + 16 <= bytes; i += 16) {
            uint8_t* b = cell + i;
            for (int j = 0; j < 16; ++j) {
                const uint16_t x = uint16_t(b[j] * k[j] + a[j]);
                b[j] = uint8_t((x + 1 + (x >> 8)) >> 8);
            }
        }
        for (; i < bytes; ++i) {
            const uint16_t x = uint16_t(cell[i] * k[i % 4] + a[i % 4]);
            cell[i] = uint8_t((x + 1 + (x >> 8)) >> 8);
        }
        return;
    }
    // Repeated blends of one color: each channel moves monotonically towards a
    // fixed point and stops there, so stop iterating as soon as it stops moving.
    if (times > 255) times = 255;
    for (int64_t i = 0; i < count; ++i, cell += 4) {
        for (int c = 0; c < 3; ++c) {
            uint32_t v = cell[c];
            for (int64_t t = 0; t < times; ++t) {
                const uint32_t next = (v * keep_ + add_[c]) / 255u;
                if (next == v) break;
                v = next;
            }
            cell[c] = static_cast<uint8_t>(v);
        }
        cell[3] = 255;
    }
}

void SpanPainter::run(int64_t y, int64_t x0, int64_t len, int64_t times) {
    if (!active_ || len <= 0 || times <= 0) return;
    const int64_t row = rowOf(y);
    if (row < 0) return;
    uint8_t* line = pixels_ + size_t(row) * size_t(width_) * 4;
    const int64_t w = width_;
    if (!wrap_) {
        const int64_t a = std::max<int64_t>(x0, 0);
        const int64_t b = std::min<int64_t>(x0 + len, w);
        if (a < b) fill(line + a * 4, b - a, times);
        return;
    }
    if (times > saturation_) times = saturation_;
    if (len < w) {
        // The common case, a run shorter than a row: it wraps at most once.
        const int64_t from = fold(x0, w);
        const int64_t first = std::min<int64_t>(len, w - from);
        fill(line + from * 4, first, times);
        fill(line, len - first, times);
        return;
    }
    const int64_t start = wrapIndex(x0, w);
    const int64_t laps = len / w;
    const int64_t rest = len % w;
    if (laps > 0) {
        // Every pixel of the row is written `laps` times, and the `rest` pixels from
        // `start` on (folding at the edge) once more.
        const int64_t base = std::min<int64_t>(laps, saturation_) * times;
        const int64_t more = std::min<int64_t>(laps + 1, saturation_) * times;
        if (opaque_) {
            fill(line, w, 1);
            return;
        }
        const int64_t end = start + rest;
        if (end <= w) {
            fill(line, start, base);
            fill(line + start * 4, rest, more);
            fill(line + end * 4, w - end, base);
        } else {
            fill(line, end - w, more);
            fill(line + (end - w) * 4, w - rest, base);
            fill(line + start * 4, w - start, more);
        }
        return;
    }
    const int64_t first = std::min<int64_t>(len, w - start);
    fill(line + start * 4, first, times);
    fill(line, len - first, times);
}
