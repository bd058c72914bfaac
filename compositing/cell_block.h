#pragma once
#include <cstdint>
#include <vector>

// A block of 4-byte cells: three colour bytes (the picture plane's order) and an
// opacity byte (0 transparent, 255 opaque), rows top to bottom without padding, so
// cell (x, y) starts at byte 4 * (x + y * width). Pictures read from files, turned
// blocks and the squares circle mix cuts out are all held this way.
struct CellBlock {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;

    const uint8_t* cells() const { return pixels.data(); }
};

// A rectangle of cells: columns [x, x + width), rows [y, y + height).
struct CellRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// The size of a block that may not exist yet (a turn's result, before it is made).
struct CellSize {
    int64_t width = 0;
    int64_t height = 0;
};
