#pragma once
#include <cstddef>
#include <cstdint>

#include "pelgrast.h"

// Whether a picture of this size may be decoded or encoded at all.
inline bool pictureSizeAllowed(int64_t width, int64_t height) {
    return width > 0 && height > 0 && width <= PG_MAX_SIDE && height <= PG_MAX_SIDE && width * height <= PG_MAX_PIXELS;
}

// Compressed formats whose data can describe large flat areas in very few bytes
// (JPEG, RLE bitmaps) must still carry one byte per PG_MAX_PIXELS_PER_BYTE pixels.
// A small floor keeps tiny legitimate files (a 1 x 1 JPEG is ~150 bytes) acceptable.
inline bool enoughDataFor(int64_t width, int64_t height, size_t dataBytes) {
    const int64_t floorPixels = int64_t(1) << 16;
    const int64_t allowed = int64_t(dataBytes) * PG_MAX_PIXELS_PER_BYTE;
    return width * height <= (allowed > floorPixels ? allowed : floorPixels);
}
