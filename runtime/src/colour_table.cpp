// ColourTable: RGB to and from HSL and HSV, one color at a time.
#include "color_space.h"
#include "entry_guard.h"
#include "table_fill.h"

using namespace tolvanea;

namespace {

// Only the outputs whose pointers are given are written.
template <class T>
void store(T* out, T value) {
    if (out) *out = value;
}

// The three parts of a color, each where its pointer is given.
template <class T>
void storeThree(T* first, T* second, T* third, T a, T b, T c) {
    store(first, a);
    store(second, b);
    store(third, c);
}

void hslToRgb(uint8_t hue, uint8_t saturation, uint8_t lightness, uint8_t* red, uint8_t* green, uint8_t* blue,
              RtBool enabled) {
    if (!enabled) return;
    Rgb8 c = hslToRgbColor(hue, saturation, lightness);
    storeThree(red, green, blue, c.red, c.green, c.blue);
}

void rgbToHsl(uint8_t red, uint8_t green, uint8_t blue, uint8_t* hue, uint8_t* saturation, uint8_t* lightness,
              RtBool enabled) {
    if (!enabled) return;
    Hsl8 c = rgbToHslColor(red, green, blue);
    storeThree(hue, saturation, lightness, c.hue, c.saturation, c.lightness);
}

RtBool rgbToHsv(uint8_t red, uint8_t green, uint8_t blue, uint16_t* hue, uint16_t* saturation, uint16_t* value,
                RtBool enabled) {
    if (enabled) {
        Hsv16 c = rgbToHsvColor(red, green, blue);
        storeThree(hue, saturation, value, c.hue, c.saturation, c.value);
    }
    return 1;
}

RtBool hsvToRgb(uint16_t hue, uint16_t saturation, uint16_t value, uint8_t* red, uint8_t* green, uint8_t* blue,
                RtBool enabled) {
    if (enabled) {
        Rgb8 c = hsvToRgbColor(hue, saturation, value);
        storeThree(red, green, blue, c.red, c.green, c.blue);
    }
    return 1;
}

}  // namespace

void fillColourTable(ColourTable* table) {
    table->size = sizeof(ColourTable);
    table->hslToRgb = guarded<hslToRgb>;
    table->rgbToHsl = guarded<rgbToHsl>;
    table->rgbToHsv = guarded<rgbToHsv>;
    table->hsvToRgb = guarded<hsvToRgb>;
}
