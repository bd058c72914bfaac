#pragma once
#include <cstdint>

// The three rules every pixel access goes through: wrap-around, plane layout and
// channel blending. Inline because they run once or more per touched pixel.

// The non-negative remainder of v by m > 0: the index v names on a ring of m cells, so
// that v and v + m name the same cell. Every wrap-around goes through it.
constexpr int64_t wrapIndex(int64_t v, int64_t m) {
    const int64_t r = v % m;
    return r < 0 ? r + m : r;
}

// Folds any coordinate into [0, width) x [0, height) by the non-negative remainder,
// so x and x + width name the same pixel on both sides of the picture.
inline bool mapConnectable(int32_t width, int32_t height, int32_t x, int32_t y, int32_t* outX, int32_t* outY) {
    if (width <= 0 || height <= 0) {
        if (outX) *outX = x;
        if (outY) *outY = y;
        return false;
    }
    if (outX) *outX = int32_t(wrapIndex(x, width));
    if (outY) *outY = int32_t(wrapIndex(y, height));
    return true;
}

// Row-major cell index, or -1 outside the picture.
inline int32_t pixelIndex(int32_t width, int32_t height, int32_t x, int32_t y) {
    if (x < 0 || y < 0 || x >= width || y >= height) return -1;
    return x + y * width;
}

// Mixes `next` into `current` with weight level/255, truncating:
// (current * (255 - level) + next * level) / 255. Level 255 gives `next`, 0 gives
// `current`, and blendChannel(0, v, l) is v * l / 255 truncated.
inline uint8_t blendChannel(uint32_t current, uint32_t next, uint32_t level) {
    return static_cast<uint8_t>((current * (255u - level) + next * level) / 255u);
}
