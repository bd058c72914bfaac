#pragma once
// Pictures and comparisons the clipboard tests share.
#include <cstdint>
#include <cstring>
#include <string>

#include "core/picture.h"

// Every channel of every pixel a hash of (x, y, salt), so a misplaced read shows.
inline PicturePtr busyPicture(int32_t width, int32_t height, uint32_t salt = 1) {
    PicturePtr p = createPicture(width, height, 0);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            uint32_t v = (uint32_t(x) * 73856093u) ^ (uint32_t(y) * 19349663u) ^ (salt * 83492791u);
            v ^= v >> 13;
            v *= 0x5bd1e995u;
            v ^= v >> 15;
            storePixel(p.get(), x, y, uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16));
        }
    }
    return p;
}

// Empty when both have the same size and pixels; otherwise the first difference.
inline std::string pictureDifference(const Picture* expected, const Picture* actual) {
    if (!expected || !actual) return "missing picture";
    if (expected->width != actual->width || expected->height != actual->height) {
        return "size " + std::to_string(actual->width) + "x" + std::to_string(actual->height) + ", expected " +
               std::to_string(expected->width) + "x" + std::to_string(expected->height);
    }
    const size_t n = size_t(expected->width) * size_t(expected->height) * 4;
    for (size_t i = 0; i < n; ++i) {
        if (expected->pixels[i] != actual->pixels[i]) {
            const size_t cell = i / 4;
            return "pixel (" + std::to_string(cell % size_t(expected->width)) + ", " +
                   std::to_string(cell / size_t(expected->width)) + ") channel " + std::to_string(i % 4) + ": " +
                   std::to_string(actual->pixels[i]) + ", expected " + std::to_string(expected->pixels[i]);
        }
    }
    return "";
}
