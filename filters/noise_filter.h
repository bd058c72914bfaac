#pragma once
#include <cstdint>

#include "core/interaction.h"
#include "core/picture.h"
#include "filters/noise_params.h"

// Adds random noise to every pixel: each channel moves by an offset drawn below the
// amplitude noisePercent / 100 * 255, one offset for all three channels when
// `monochrome`, one per channel otherwise. A non-zero seed makes the result
// reproducible; seed 0 seeds with ui.clockSeconds(). Writes straight into the plane
// (neither wrap nor blend). Returns false, touching nothing and drawing nothing, when
// the amplitude is 2 or less or there is no picture; the random sequence is left where
// the last draw left it.
bool noiseFilter(Picture* picture, bool monochrome, uint8_t noisePercent, int32_t seed, Interaction& ui);
