#pragma once
#include <cstdint>

// The drawing settings that more than one operation reads. One instance for the
// whole run; fields are read and written directly.
struct PaintSettings {
    uint8_t connectable = 1;           // wrap every pixel access around the edges
    uint8_t blendLevel = 255;          // weight of new color in putPixel; 255 replaces
    uint8_t mixFromPercent = 100;      // lower bound of the "% Mixage" range
    uint8_t mixToPercent = 100;        // upper bound of the "% Mixage" range
    uint32_t blendColor = 0x00FFFFFF;  // 0x00BBGGRR made transparent in stamped files; kNoBlendColor: none
    uint8_t paletteOff = 1;            // 1: random RGB colors, 0: entries of the current palette
    uint8_t rotationAntiAlias = 0;     // anti-alias rotated stamps

    static constexpr uint32_t kNoBlendColor = 0xFFFFFFFFu;
};

// The process-wide instance.
PaintSettings& paintSettings();

// Puts every field back to its start-of-run default (tests and "reset" paths).
void resetPaintSettings();
