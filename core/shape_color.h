#pragma once
#include <cstdint>

// A shape's color, in the byte order of the pixel plane.
struct ShapeColor {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

inline bool operator==(const ShapeColor& a, const ShapeColor& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// Splits a packed 0x00BBGGRR color.
inline ShapeColor shapeColorFromPacked(uint32_t packed) {
    return ShapeColor{static_cast<uint8_t>(packed & 0xFF), static_cast<uint8_t>((packed >> 8) & 0xFF),
                      static_cast<uint8_t>((packed >> 16) & 0xFF)};
}

inline uint32_t packShapeColor(ShapeColor c) {
    return uint32_t(c.red) | (uint32_t(c.green) << 8) | (uint32_t(c.blue) << 16);
}
