#pragma once
#include <cstdint>

#include "core/interaction.h"
#include "core/picture.h"

// The settings of the "Noise ..." command, kept for the whole run and saved with the
// configuration as an 8-byte block in this layout.
struct NoiseParams {
    uint8_t monochrome = 0;    // 1: one offset for the three channels of a pixel
    uint8_t noisePercent = 0;  // amplitude in percent of 255
    uint8_t padding[2] = {0, 0};
    int32_t seed = 0;  // 0: seed with the clock
};
static_assert(sizeof(NoiseParams) == 8, "saved as an 8-byte block");

// The noise offsets of `count` pairs of draws: offsets[k] = draws[2k] mod amplitude,
// negated when bit 12 of draws[2k + 1] is clear (so (draw AND 0x1FFF) < 0x1000).
// Draws are 0..32767 and the amplitude 1..32768.
void noiseOffsets(const uint16_t* draws, int16_t* offsets, int32_t count, int32_t amplitude);

// Adds random noise to every pixel: each channel moves by an offset drawn below the
// amplitude noisePercent / 100 * 255, one offset for all three channels when
// `monochrome`, one per channel otherwise. A non-zero seed makes the result
// reproducible; seed 0 seeds with ui.clockSeconds(). Writes straight into the plane
// (neither wrap nor blend). Returns false, touching nothing and drawing nothing, when
// the amplitude is 2 or less or there is no picture; the random sequence is left where
// the last draw left it.
bool noiseFilter(Picture* picture, bool monochrome, uint8_t noisePercent, int32_t seed, Interaction& ui);
