#pragma once
#include <cstdint>

#include "core/shape_color.h"

// Colour and translucency of each generated shape. Both read the process-wide
// PaintSettings and the current palette and draw from the random sequence.

// A palette entry (one draw) when palette colours are on and the palette is not
// empty; otherwise a random colour (three draws: red, green, blue).
ShapeColor pickShapeColor();

// Sets PaintSettings.blendLevel from the mix range: one draw when
// mixToPercent > mixFromPercent, none otherwise.
void pickBlendLevel();

// The level of a percentage: low 8 bits of trunc(p / 100 * 255) in double
// precision (100 -> 255, 50 -> 127, 20 -> 51, 150 -> 126).
uint8_t blendLevelForPercent(int32_t percent);
