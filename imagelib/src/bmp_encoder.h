#pragma once
#include <cstdint>
#include <vector>

// Encodes 3-byte RGB pixels as a 24-bit bottom-up Windows bitmap (40-byte header,
// rows padded to 4 bytes). False when the size is outside the library's limits.
bool encodeBmp(const uint8_t* rgb, int32_t width, int32_t height, std::vector<uint8_t>* out);
