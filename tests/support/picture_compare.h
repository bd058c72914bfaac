#pragma once
#include <cstdint>
#include <string>

#include "core/picture.h"

// Comparing pictures to the pixel.

// Empty when both planes match; otherwise where and how the first difference lies
// (a missing picture, a size that differs, or the first pixel in reading order).
std::string firstDifference(const Picture* expected, const Picture* actual);
inline std::string firstDifference(const Picture& expected, const Picture& actual) {
    return firstDifference(&expected, &actual);
}

// Both pictures exist and their planes match.
inline bool samePixels(const Picture* a, const Picture* b) { return firstDifference(a, b).empty(); }

// CRC-32 (the zip polynomial) of the pixel plane: pins a seeded picture in one number.
uint32_t pixelCrc32(const Picture& picture);
