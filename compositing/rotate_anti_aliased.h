#pragma once
#include <cstdint>

#include "compositing/tag_image.h"

// The anti-aliased rotation: every destination cell receives the mean of the source
// cells that overlap it, each weighted by its exact overlap area, all four bytes
// alike. The angle (degrees, positive counter-clockwise on screen) is first folded
// into [0, 360), so angles a multiple of 360 apart give the same block. At multiples
// of 90 degrees the result is the source rotated cell for cell.

// The geometry of one rotation: cosine c and minus sine s, the half sizes of the source
// (halves in floating point, so odd sizes keep their last column and row), the half
// extents t and u of the result, its size, and which corner of a rotated square has
// the least x (b), least y (c), greatest x (d) and greatest y (e).
struct AntiAliasedRotation {
    double c = 1, s = 0;
    double hw = 0, hh = 0;
    double t = 0, u = 0;
    int64_t width = 0, height = 0;
    int cornerB = 0, cornerC = 1, cornerD = 2, cornerE = 3;
};

AntiAliasedRotation antiAliasedRotation(int32_t w, int32_t h, double angle);

// Writes the cells of the rotated block that lie in `window` (inside the rotation's size)
// to `out`, window.width x window.height cells, row by row; each is exactly the cell
// the whole rotation gives there. Working memory is bounded by a band of rows of the
// window, whatever the size of the rotation.
void rotateAntiAliasedInto(const uint8_t* cells, int32_t w, int32_t h, double angle, const CellRect& window,
                           uint8_t* out);

// The whole rotation; the caller checks the size first (rotateBlock does).
TagImage rotateAntiAliased(const uint8_t* cells, int32_t w, int32_t h, double angle);
