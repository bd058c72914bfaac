#pragma once
#include <cstdint>

struct Picture;

// Copies a block of 4-byte cells into the picture with its top-left cell at (x, y),
// row by row and within a row column by column. Cells of the key colour (0x00BBGGRR;
// none when kNoBlendColor) are skipped; every other cell is mixed into the pixel
// with its opacity byte as level, then written as putPixel writes: wrapped in
// connectable mode (clipped otherwise) and blended with PaintSettings.blendLevel.
// A cell thus weighs (opacity / 255) x (blendLevel / 255); where the block wraps onto
// itself later cells mix into what earlier ones wrote.
void stampBlock(Picture* picture, int32_t x, int32_t y, const uint8_t* cells, int32_t w, int32_t h, uint32_t keyColor);
