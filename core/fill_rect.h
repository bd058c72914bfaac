#pragma once
#include <cstdint>

#include "core/picture.h"
#include "core/shape_color.h"

// The half-open rectangle [x0, x1) x [y0, y1), each point written once with the
// putPixel rule. An empty range draws nothing.
void fillRect(Picture* picture, int32_t x0, int32_t y0, int32_t x1, int32_t y1, ShapeColor color);

// Asks the memory for the cells of the first `rows` rows of that rectangle, so that
// they are on their way while something else is drawn.
void prefetchRect(Picture* picture, int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t rows);
