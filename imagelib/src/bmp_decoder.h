#pragma once
#include <cstddef>
#include <cstdint>

#include "decoded_image.h"

// Decodes a Windows bitmap file held in memory: 1, 4, 8, 16, 24 and 32 bits per pixel,
// bottom-up and top-down rows, RLE8 and RLE4, bit fields (3 or 4 masks), headers of
// 12, 40, 52, 56, 108 and 124 bytes. `channels` is 3 or 4. Pixels that RLE data leaves
// unset are opaque black; palette indices beyond the palette are black too.
bool decodeBmp(const uint8_t* data, size_t size, int channels, DecodedImage* out);
