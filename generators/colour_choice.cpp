#include "generators/colour_choice.h"

#include "core/paint_settings.h"
#include "generators/palette.h"
#include "core/random_sequence.h"

ShapeColor pickShapeColor() {
    const Palette& palette = currentPalette();
    if (paintSettings().paletteOff == 0 && palette.count > 0) {
        // count never exceeds the palette's room, but a bad value must not index past it
        const int32_t count = palette.count < Palette::kCapacity ? palette.count : Palette::kCapacity;
        return palette.colors[nextRandom() % count];
    }
    ShapeColor c;
    c.red = static_cast<uint8_t>(nextRandom() & 0xFF);
    c.green = static_cast<uint8_t>(nextRandom() & 0xFF);
    c.blue = static_cast<uint8_t>(nextRandom() & 0xFF);
    return c;
}

uint8_t blendLevelForPercent(int32_t percent) {
    const double level = static_cast<double>(percent) / 100.0 * 255.0;
    return static_cast<uint8_t>(static_cast<int64_t>(level) & 0xFF);
}

void pickBlendLevel() {
    PaintSettings& s = paintSettings();
    const int32_t from = s.mixFromPercent;
    const int32_t d = int32_t(s.mixToPercent) - from;
    const int32_t p = d > 0 ? from + nextRandom() % d : int32_t(s.mixToPercent);
    s.blendLevel = blendLevelForPercent(p);
}
