#include "generators/color_choice.h"

#include "core/paint_settings.h"
#include "core/random_sequence.h"
#include "generators/palette.h"

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
