#pragma once
// In-place operations on blocks of 3-byte pixels, rows packed without padding.
#include <cstddef>
#include <cstdint>

namespace tolvanea {

// trunc(0.299 * byte 0 + 0.587 * byte 1 + 0.114 * byte 2), in double precision.
inline std::uint8_t greyLevel(std::uint8_t b0, std::uint8_t b1, std::uint8_t b2) {
    return std::uint8_t(0.299 * b0 + 0.587 * b1 + 0.114 * b2);
}

// Exchanges row i with row rowCount-1-i, so the picture turns upside down.
void flipPixelRows(std::uint8_t* block, std::size_t rowBytes, std::size_t rowCount);
// Every pixel becomes its grey level in all three bytes.
void greyPixelRows(std::uint8_t* block, std::size_t pixelsPerRow, std::size_t rowCount);
// Exchanges the first and third byte of every pixel (RGB to BGR and back).
void swapFirstAndThird(std::uint8_t* block, std::size_t pixelsPerRow, std::size_t rowCount);
// The grey level of every pixel of count pixels, one byte each.
void greyPlaneOf(const std::uint8_t* pixels, std::size_t count, std::uint8_t* grey);

}  // namespace tolvanea
