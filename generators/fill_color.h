#pragma once

#include "core/picture.h"
#include "core/shape_color.h"

// The whole-picture fill of "Fill Color ...". fullMix (the question answered Yes)
// replaces every pixel; otherwise every pixel is written with putPixel, blending
// with whatever PaintSettings.blendLevel the last shape left.
void fillColor(Picture* picture, ShapeColor color, bool fullMix);

inline constexpr const char* kFillColorQuestion = "Click on yes for Full 100% Mix";
inline constexpr const char* kFillColorCaption = "FillColor";
