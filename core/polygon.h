#pragma once
#include <cstdint>

#include "core/picture.h"
#include "core/shape_color.h"

struct PolygonPoint {
    int32_t x = 0;
    int32_t y = 0;
};

// Even-odd crossing test in 32-bit integer arithmetic: 1 inside, 0 outside.
// Horizontal edges never count; the crossing's x is
// xs[i] + (xs[j] - xs[i]) * (py - ys[i]) / (ys[j] - ys[i]) with a wrapping 32-bit
// product and a division truncated toward zero.
int pointInPolygon(int32_t n, const int32_t* xs, const int32_t* ys, int32_t px, int32_t py);

// fill == 0: the closed outline, drawLine from each vertex to the next and from the
// last back to the first. fill != 0: every point of the bounding box (inclusive)
// that pointInPolygon puts inside, each written once; no outline. n <= 0 draws nothing.
void drawPolygon(Picture* picture, const PolygonPoint* vertices, int32_t n, ShapeColor color, uint8_t fill);
