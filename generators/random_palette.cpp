#include "generators/random_palette.h"

#include "core/random_sequence.h"

bool addRandomPaletteColors(Palette& palette, int32_t count, uint32_t seed) {
    seedRandom(seed);
    if (count <= 0) return true;
    int32_t added = 0;
    for (;;) {
        ShapeColor c;
        c.red = uint8_t(nextRandom() & 0xFF);
        c.green = uint8_t(nextRandom() & 0xFF);
        c.blue = uint8_t(nextRandom() & 0xFF);
        if (paletteHolds(palette, c)) continue;
        if (palette.count >= Palette::kCapacity) return false;
        palette.colors[palette.count++] = c;
        if (++added >= count) return true;
    }
}
