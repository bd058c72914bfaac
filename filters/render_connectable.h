#pragma once
#include <cstdint>

#include "core/picture.h"

// Weight of the unshifted pixel at column a, row y of a quadrant of hw x hh pixels:
// 0 where the half-shifted copy must win (the outer edges), 1 along the centre lines,
// a smooth blend between. Needs hw and hh of at least 2.
double seamWeight(int32_t a, int32_t y, int32_t hw, int32_t hh);

// The same weight from the quadrant's normalised distances e (column) and f (row),
// each 1 at the outer edge and 0 at the centre line.
inline double seamWeightFrom(double e, double f) {
    if (e < 1e-8 && f > 0.99999999) return 1.0;
    if (e > 0.99999999 && f < 1e-8) return 0.0;
    const double ef = e * f;
    return 1.0 - ef / (ef + (1.0 - e) * (1.0 - f));
}

// Blends the picture with its copy shifted by half its width and height so that it tiles
// without a seam; the top-left quadrant's result repeats in the bottom-right one and the
// top-right's in the bottom-left one. Writes blend with PaintSettings.blendLevel like
// putPixel, through two quarter-size temporaries that start white and serve both quadrant
// pairs (so below 255 the top-right pair's mix is blended into the top-left pair's
// temporary value of the same quadrant index). A picture with a side below 4 is left
// unchanged and false is returned.
// Takes weight buffers of 24 bytes per column first; when those cannot be had,
// std::bad_alloc leaves the picture as it was.
bool renderConnectable(Picture* picture);
