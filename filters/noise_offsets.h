#pragma once
#include <cstdint>

// The noise offsets of `count` pairs of draws: offsets[k] = draws[2k] mod amplitude,
// negated when bit 12 of draws[2k + 1] is clear (so (draw AND 0x1FFF) < 0x1000).
// Draws are 0..32767 and the amplitude 1..32768.
void noiseOffsets(const uint16_t* draws, int16_t* offsets, int32_t count, int32_t amplitude);
