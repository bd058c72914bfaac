#pragma once
#include <cstdint>

#include "generators/palette.h"

// "Make a random color palette ....": seeds the random sequence with `seed`, then
// appends `count` random colors (red, green, blue: one draw each, low 8 bits),
// each different from every entry already there; a color that is present is
// drawn again. Nothing is added for a count of 0 or less. Returns false when the
// palette filled up to 256 entries before `count` were added: the run ends there
// with the colors added so far.
bool addRandomPaletteColors(Palette& palette, int32_t count, uint32_t seed);
