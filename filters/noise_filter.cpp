#include "filters/noise_filter.h"

#include <algorithm>
#include <vector>

#include "filters/random_block.h"
#include "filters/small_divisor.h"
#include "generators/random_sequence.h"

namespace {

// One offset from a pair of draws: a magnitude below the amplitude, made negative when
// bit 12 of the second draw is clear.
inline int32_t offsetOf(const SmallDivisor& amplitude, uint16_t magnitudeDraw, uint16_t signDraw) {
    const int32_t d = int32_t(amplitude.remainder(magnitudeDraw));
    return (signDraw & 0x1FFF) < 0x1000 ? -d : d;
}

inline uint8_t clampByte(int32_t v) { return uint8_t(std::clamp(v, 0, 255)); }

} // namespace

bool noiseFilter(Picture* picture, bool monochrome, uint8_t noisePercent, int32_t seed, Interaction& ui) {
    if (!picture) return false;
    const double amplitude = double(noisePercent) / 100.0 * 255.0;
    if (amplitude <= 2.0) return false;
    const SmallDivisor divisor{uint32_t(amplitude)};

    uint32_t state = seed != 0 ? uint32_t(seed) : uint32_t(ui.clockSeconds());

    const int32_t width = picture->width;
    const int32_t height = picture->height;
    const size_t drawsPerPixel = monochrome ? 2 : 6;
    std::vector<uint16_t> draws(size_t(std::max(width, 0)) * drawsPerPixel);

    // Rows top to bottom, pixels left to right: the order the draws are consumed in.
    for (int32_t y = 0; y < height; ++y) {
        state = fillRandomDraws(state, draws.data(), draws.size());
        uint8_t* cell = picture->pixels + size_t(y) * size_t(width) * 4;
        const uint16_t* r = draws.data();
        if (monochrome) {
            for (int32_t x = 0; x < width; ++x, cell += 4, r += 2) {
                const int32_t d = offsetOf(divisor, r[0], r[1]);
                cell[0] = clampByte(cell[0] + d);
                cell[1] = clampByte(cell[1] + d);
                cell[2] = clampByte(cell[2] + d);
                cell[3] = 255;
            }
        } else {
            for (int32_t x = 0; x < width; ++x, cell += 4, r += 6) {
                cell[0] = clampByte(cell[0] + offsetOf(divisor, r[0], r[1]));
                cell[1] = clampByte(cell[1] + offsetOf(divisor, r[2], r[3]));
                cell[2] = clampByte(cell[2] + offsetOf(divisor, r[4], r[5]));
                cell[3] = 255;
            }
        }
    }
    seedRandom(state);
    return true;
}
