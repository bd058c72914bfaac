#pragma once
#include <cstdint>

#include "core/shape_color.h"

// The colors generators pick from when palette colors are on. Entries need not
// be distinct; only the first `count` belong to the palette.
struct Palette {
    static constexpr int32_t kCapacity = 256;

    int32_t count = 0;
    ShapeColor colors[kCapacity]{};
};

// The current palette of the run; starts empty.
Palette& currentPalette();

// Appends a color unless the palette is full; false when it was full.
bool addPaletteColor(Palette& palette, ShapeColor color);

// Removes entry k, moving the entries after it down one place; false (and nothing
// changes) unless 0 <= k < count.
bool removePaletteEntry(Palette& palette, int32_t k);

// Whether one of the palette's entries (0 to count - 1) is this color.
bool paletteHolds(const Palette& palette, ShapeColor color);
