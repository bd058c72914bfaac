#pragma once
#include <cstdint>

#include "core/interaction.h"
#include "core/picture.h"

// Parameters of the rectangle generator's dialog, kept for the whole run.
struct RectangleParams {
    int32_t xMin = 4;            // least width
    int32_t yMin = 4;            // least height
    int32_t xMax = 32;           // exclusive upper bound of the width
    int32_t yMax = 32;           // exclusive upper bound of the height
    int32_t rectangleCount = 0;  // 0 or less: draw until interrupted
};

// Covers the picture with axis-parallel filled rectangles; seeding, Escape and
// progress as for drawCircles.
void drawRectangles(Picture* picture, const RectangleParams& params, Interaction& ui);
