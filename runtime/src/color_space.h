#pragma once
// Single-color conversions between RGB and HSL (three bytes) and HSV (hue in degrees,
// saturation and value in percent). Every conversion to an integer truncates toward zero.
#include <cstdint>

namespace tolvanea {

struct Rgb8 {
    std::uint8_t red, green, blue;
};
struct Hsl8 {
    std::uint8_t hue, saturation, lightness;
};
struct Hsv16 {
    std::uint16_t hue, saturation, value;
};

// HSL components are read as byte / 256, so 255 stands for 0.99609375.
Rgb8 hslToRgbColor(std::uint8_t hue, std::uint8_t saturation, std::uint8_t lightness);
Hsl8 rgbToHslColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
Hsv16 rgbToHsvColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
// Saturation or value above 100 give components past 255; they keep their low 8 bits.
Rgb8 hsvToRgbColor(std::uint16_t hue, std::uint16_t saturation, std::uint16_t value);

}  // namespace tolvanea
