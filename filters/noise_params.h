#pragma once
#include <cstdint>

// The settings of the "Noise ..." command, kept for the whole run and saved with the
// configuration as an 8-byte block in this layout.
struct NoiseParams {
    uint8_t monochrome = 0;    // 1: one offset for the three channels of a pixel
    uint8_t noisePercent = 0;  // amplitude in percent of 255
    uint8_t padding[2] = {0, 0};
    int32_t seed = 0;          // 0: seed with the clock
};
static_assert(sizeof(NoiseParams) == 8, "saved as an 8-byte block");

// The one instance the dialog edits and the configuration saves.
NoiseParams& noiseParams();
