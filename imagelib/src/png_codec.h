#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "decoded_image.h"

// Decodes a PNG file held in memory: any bit depth and color type, interlaced or
// not. 16-bit samples are scaled to 8 bits; grey is spread to red, green and blue;
// a transparency chunk becomes alpha. hasAlpha is set when the file has an alpha
// channel or a transparency chunk. `channels` is 3 or 4.
bool decodePng(const uint8_t* data, size_t size, int channels, DecodedImage* out);

// Total length of the image data chunks, counting only bytes actually present.
// Used to refuse headers that announce more pixels than the data could inflate to.
uint64_t pngImageDataBytes(const uint8_t* data, size_t size);

// Encodes 3-byte RGB pixels as an 8-bit RGB PNG.
bool encodePng(const uint8_t* rgb, int32_t width, int32_t height, std::vector<uint8_t>* out);
