#include "generators/palette.h"

namespace {
Palette g_palette;
}

Palette& currentPalette() { return g_palette; }

bool addPaletteColor(Palette& palette, ShapeColor colour) {
    if (palette.count < 0 || palette.count >= Palette::kCapacity) return false;
    palette.colors[palette.count++] = colour;
    return true;
}
