#pragma once
#include <cstddef>
#include <cstdint>

// What a decoder hands back: a malloc'd buffer of width * height pixels, `channels`
// bytes each (3: red, green, blue; 4: red, green, blue, alpha), rows top to bottom.
// The buffer is released with free(), which is what PG_Free does.
struct DecodedImage {
    uint8_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    bool hasAlpha = false;
};

// A zeroed buffer for a picture of that size, or null when the size is outside the
// library's limits or memory runs out.
uint8_t* allocatePixels(int32_t width, int32_t height, int channels);

// The same without the clearing, for decoders that write every byte before they
// report success. Large buffers are asked for in whole 2 MiB pages where the system
// offers them, which spares most of the page faults of fresh memory.
uint8_t* allocatePixelsForOverwrite(int32_t width, int32_t height, int channels);

// Frees the buffer and clears the record.
void releaseDecoded(DecodedImage& image);

// Stores one pixel in a 3- or 4-channel buffer.
inline void storeRgba(uint8_t* dst, int channels, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    dst[0] = r;
    dst[1] = g;
    dst[2] = b;
    if (channels == 4) dst[3] = a;
}
