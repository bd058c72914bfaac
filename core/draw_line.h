#pragma once
#include <cstdint>

#include "core/picture.h"
#include "core/shape_color.h"

// A one-pixel line from (x0, y0) towards (x1, y1), written with the putPixel rule.
// Axis-parallel lines run up to x1 - 1 (y1 - 1) when heading to greater
// coordinates and down to x1 (y1) inclusive otherwise. Oblique lines are drawn in
// two passes, one stepping along x and one along y, so no slope leaves gaps; the
// pixels both passes reach (the start point always) are written twice, and the end
// point is never drawn.
void drawLine(Picture* picture, ShapeColor color, int32_t x0, int32_t y0, int32_t x1, int32_t y1);
