#pragma once
#include <cstdint>

#include "core/interaction.h"
#include "core/picture.h"

// Parameters of the vector generator's dialog ("Vector"), kept for the whole run.
struct VectorParams {
    int32_t lengthMin = 8;    // least stroke length
    int32_t lengthMax = 256;  // exclusive upper bound of the length
    int32_t weightMin = 8;    // least stroke weight (full width)
    int32_t weightMax = 48;   // exclusive upper bound of the weight
    int32_t vectorCount = 0;  // 0 or less: draw until interrupted
    uint8_t vectorFill = 1;   // 1 fills, 0 outlines
    uint8_t unused[3] = {};   // rest of the stored 24-byte block, kept as held
};

// Draws random thick strokes as four-cornered polygons; seeding, Escape and
// progress as for drawCircles.
void drawVectors(Picture* picture, const VectorParams& params, Interaction& ui);
