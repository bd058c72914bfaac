#pragma once
#include <cstdint>

#include "core/picture.h"
#include "core/shape_color.h"

// The filled disc: every offset (i, j) with i and j in [-r, r) and
// sqrt(i*i + j*j) < r (double precision, strict) around (cx, cy), each written once
// with the putPixel rule. r <= 0 draws nothing; r = 1 the centre alone.
void fillDisc(Picture* picture, int32_t cx, int32_t cy, int32_t r, ShapeColor color);

// Asks the memory for the cells of about `rows` rows of that disc, those it writes
// first, so that they are on their way while something else is drawn.
void prefetchDisc(Picture* picture, int32_t cx, int32_t cy, int32_t r, int32_t rows);
