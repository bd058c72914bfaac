#pragma once
#include <cstdint>

#include "core/blend_level.h"
#include "core/shape_color.h"

// Color and translucency of each generated shape. Both read the process-wide
// PaintSettings and the current palette and draw from the random sequence.

// A palette entry (one draw) when palette colors are on and the palette is not
// empty; otherwise a random color (three draws: red, green, blue).
ShapeColor pickShapeColor();

// The blend level of a shape (pickBlendLevel) lives in the core, where compositing
// draws it too.
