#pragma once
#include <cstdint>

struct CoverageMask;
struct Picture;

// Mixes a disc of radius r of the block, centred at its cell (cx, cy), into the
// picture centred at (x, y). The weight of a cell at distance d from the centre is 1
// out to `opaquePercent` of the radius, then falls linearly to 0 at the rim (with
// `opaquePercent` 0 it falls from the centre); times the cell's opacity and the mix
// percentage it gives the cell's level, kept to its low 8 bits, and the pixel is
// written as putPixel writes (wrapped or clipped, blended with blendLevel on top).
// The coverage mask keeps, per pixel, the largest opacity x weight any disc put
// there. Offsets run over [-r, r) on both axes, rows outside, cells outside the block
// skipped.
void blendDisc(Picture* picture, CoverageMask* mask, int32_t x, int32_t y, const uint8_t* block, int32_t bw, int32_t bh,
               int32_t cx, int32_t cy, int32_t r, int64_t mixPercent, int32_t opaquePercent);
