#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "decoded_image.h"

// Decodes a JPEG file held in memory: grey, color (YCbCr or RGB) and CMYK/YCCK
// (converted to RGB), baseline, progressive or arithmetic. Truncated or corrupt
// entropy data fails rather than yielding a partly grey picture. JPEG carries no
// alpha: with 4 channels every alpha byte is 255.
bool decodeJpeg(const uint8_t* data, size_t size, int channels, DecodedImage* out);

// Encodes 3-byte RGB pixels as a baseline JPEG at the given quality (1..100).
bool encodeJpeg(const uint8_t* rgb, int32_t width, int32_t height, int quality, std::vector<uint8_t>* out);
