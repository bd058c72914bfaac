#pragma once
#include <cstdint>

#include "core/interaction.h"
#include "core/picture.h"

// Parameters of the circle generator's dialog, kept for the whole run.
struct CircleParams {
    int32_t rayMin = 8;       // least radius
    int32_t rayMax = 32;      // exclusive upper bound of the radius
    int32_t circleCount = 0;  // 0 or less: draw until interrupted
};

// Covers the picture with filled discs of random centre, radius and color.
// Seeds the random sequence from ui.clockSeconds(); polls Escape once at the start
// (answer ignored) and after each disc ("Interrompre ?" Yes stops); reports
// ui.progress(n) after each disc.
void drawCircles(Picture* picture, const CircleParams& params, Interaction& ui);
