#pragma once
#include <cstdint>

#include "core/connectable.h"

struct Picture;

// Mixes one cell's color into the pixel at `dst` with `cellLevel`, then mixes that
// result in again with the blend level as putPixel does when it is not 255.
inline void blendCellInto(uint8_t* dst, const uint8_t* cell, uint32_t cellLevel, uint32_t blendLevel) {
    uint8_t n0 = blendChannel(dst[0], cell[0], cellLevel);
    uint8_t n1 = blendChannel(dst[1], cell[1], cellLevel);
    uint8_t n2 = blendChannel(dst[2], cell[2], cellLevel);
    if (blendLevel != 255) {
        n0 = blendChannel(dst[0], n0, blendLevel);
        n1 = blendChannel(dst[1], n1, blendLevel);
        n2 = blendChannel(dst[2], n2, blendLevel);
    }
    dst[0] = n0;
    dst[1] = n1;
    dst[2] = n2;
    dst[3] = 255;
}

// Copies a block of 4-byte cells into the picture with its top-left cell at (x, y),
// row by row and within a row column by column. Cells of the key color (0x00BBGGRR;
// none when kNoBlendColor) are skipped; every other cell is mixed into the pixel
// with its opacity byte as level, then written as putPixel writes: wrapped in
// connectable mode (clipped otherwise) and blended with PaintSettings.blendLevel.
// A cell thus weighs (opacity / 255) x (blendLevel / 255); where the block wraps onto
// itself later cells mix into what earlier ones wrote.
void stampBlock(Picture* picture, int32_t x, int32_t y, const uint8_t* cells, int32_t w, int32_t h, uint32_t keyColor);
