#include "pixel_rows.h"

#include <algorithm>

namespace tolvanea {

void flipPixelRows(std::uint8_t* block, std::size_t rowBytes, std::size_t rowCount) {
    // The middle row of an odd count stays where it is.
    for (std::size_t i = 0; i < rowCount / 2; ++i) {
        std::uint8_t* top = block + i * rowBytes;
        std::uint8_t* bottom = block + (rowCount - 1 - i) * rowBytes;
        std::swap_ranges(top, top + rowBytes, bottom);
    }
}

void greyPixelRows(std::uint8_t* block, std::size_t pixelsPerRow, std::size_t rowCount) {
    std::uint8_t* p = block;
    for (std::size_t n = pixelsPerRow * rowCount; n; --n, p += 3) p[0] = p[1] = p[2] = greyLevel(p[0], p[1], p[2]);
}

void swapFirstAndThird(std::uint8_t* block, std::size_t pixelsPerRow, std::size_t rowCount) {
    std::uint8_t* p = block;
    for (std::size_t n = pixelsPerRow * rowCount; n; --n, p += 3) std::swap(p[0], p[2]);
}

void greyPlaneOf(const std::uint8_t* pixels, std::size_t count, std::uint8_t* grey) {
    for (std::size_t i = 0; i < count; ++i, pixels += 3) grey[i] = greyLevel(pixels[0], pixels[1], pixels[2]);
}

}  // namespace tolvanea
