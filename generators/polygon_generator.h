#pragma once
#include <cstdint>

#include "core/interaction.h"
#include "core/picture.h"

// Parameters of the polygon generator's dialog ("Polygone"), kept for the whole run.
struct PolygonParams {
    int32_t rayMin = 16;       // least distance of a vertex from the centre
    int32_t rayMax = 64;       // exclusive upper bound of that distance
    int32_t angMin = 8;        // least angle step, degrees
    int32_t angMax = 32;       // exclusive upper bound of the angle step
    int32_t polygonCount = 0;  // 0 or less: draw until interrupted
    uint8_t polygonFill = 0;   // 1 fills, 0 outlines
    uint8_t unused[3] = {};    // rest of the stored 24-byte block, kept as held
};

// Room of one polygon's vertex list, in points.
inline constexpr int32_t kPolygonListCapacity = 32768;

// Draws random star-like polygons; seeding, Escape and progress as for drawCircles.
void drawPolygons(Picture* picture, const PolygonParams& params, Interaction& ui);
