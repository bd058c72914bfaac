#pragma once
// Pictures the clipboard tests share.
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
