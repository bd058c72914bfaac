#pragma once
#include <cstdint>

// The blend level of each generated shape or stamp, drawn from the mix range of
// PaintSettings with the random sequence. Used by the generators and by compositing.

// Sets PaintSettings.blendLevel from the mix range: one draw when
// mixToPercent > mixFromPercent, none otherwise.
void pickBlendLevel();

// The level of a percentage: low 8 bits of trunc(p / 100 * 255) in double
// precision (100 -> 255, 50 -> 127, 20 -> 51, 150 -> 126).
uint8_t blendLevelForPercent(int32_t percent);
