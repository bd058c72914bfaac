#include "generators/palette.h"

namespace {
Palette g_palette;
}

Palette& currentPalette() { return g_palette; }

bool addPaletteColor(Palette& palette, ShapeColor color) {
    if (palette.count < 0 || palette.count >= Palette::kCapacity) return false;
    palette.colors[palette.count++] = color;
    return true;
}

bool removePaletteEntry(Palette& palette, int32_t k) {
    if (k < 0 || k >= Palette::kCapacity || k >= palette.count) return false;
    for (int32_t i = k; i + 1 < Palette::kCapacity; ++i) palette.colors[i] = palette.colors[i + 1];
    --palette.count;
    return true;
}

bool paletteHolds(const Palette& palette, ShapeColor color) {
    for (int32_t i = 0; i < palette.count && i < Palette::kCapacity; ++i)
        if (palette.colors[i] == color) return true;
    return false;
}
