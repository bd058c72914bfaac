#pragma once
#include <cstddef>
#include <cstdint>

// Runs of pixels between the picture's cells (red, green, blue, alpha) and the packed
// layouts of files and clipboards. Each is compiled for the baseline instruction set
// and, on x86, for AVX2, where the compiler turns the byte moves into shuffles of whole
// vectors; the processor picks. Both builds give the same bytes. The source and the
// destination never overlap.

// Red, green, blue into cells of alpha 255.
void rgbToCells(const uint8_t* rgb, uint8_t* cells, size_t count);
// Cells into red, green, blue: alpha dropped.
void cellsToRgb(const uint8_t* cells, uint8_t* rgb, size_t count);
// Blue, green, red (a 24-bit bitmap) into cells of alpha 255.
void bgrToCells(const uint8_t* bgr, uint8_t* cells, size_t count);
// Blue, green, red, any (a 32-bit bitmap) into cells of alpha 255.
void bgrxToCells(const uint8_t* bgrx, uint8_t* cells, size_t count);
// Cells into blue, green, red.
void cellsToBgr(const uint8_t* cells, uint8_t* bgr, size_t count);
// Cells into blue, green, red, 255.
void cellsToBgrx(const uint8_t* cells, uint8_t* bgrx, size_t count);
