#include "filters/noise_filter.h"

#include <algorithm>
#include <vector>

#include "core/parallel.h"
#include "core/random_sequence.h"
#include "core/wide_pass.h"
#include "filters/random_draws.h"

namespace {

// The remainder comes from a float estimate of the quotient corrected by one either
// way: exact for draws below 2^15, and several pairs can go through the loop at once.
WIDE_PASS_BODY void offsetsBody(const uint16_t* __restrict draws, int16_t* __restrict offsets, int32_t count,
                                int32_t amplitude) {
    const float inverse = 1.0f / float(amplitude);
    for (int32_t k = 0; k < count; ++k) {
        const int32_t n = draws[2 * k];
        int32_t d = n - int32_t(float(n) * inverse) * amplitude;
        d += d < 0 ? amplitude : 0;
        d -= d >= amplitude ? amplitude : 0;
        offsets[k] = int16_t((draws[2 * k + 1] & 0x1000) ? d : -d);
    }
}

inline uint8_t clampByte(int32_t v) { return uint8_t(std::min(std::max(v, 0), 255)); }

// Adds one row's offsets to its pixels: one offset per pixel in monochrome mode, three
// (red, green, blue) otherwise.
WIDE_PASS_BODY void applyBody(uint8_t* __restrict cell, const int16_t* __restrict d, int32_t width, bool monochrome) {
    if (monochrome) {
        for (int32_t x = 0; x < width; ++x) {
            cell[4 * x + 0] = clampByte(cell[4 * x + 0] + d[x]);
            cell[4 * x + 1] = clampByte(cell[4 * x + 1] + d[x]);
            cell[4 * x + 2] = clampByte(cell[4 * x + 2] + d[x]);
            cell[4 * x + 3] = 255;
        }
    } else {
        for (int32_t x = 0; x < width; ++x) {
            cell[4 * x + 0] = clampByte(cell[4 * x + 0] + d[3 * x + 0]);
            cell[4 * x + 1] = clampByte(cell[4 * x + 1] + d[3 * x + 1]);
            cell[4 * x + 2] = clampByte(cell[4 * x + 2] + d[3 * x + 2]);
            cell[4 * x + 3] = 255;
        }
    }
}

}  // namespace

void noiseOffsets(const uint16_t* draws, int16_t* offsets, int32_t count, int32_t amplitude) {
    widePass<offsetsBody>(draws, offsets, count, amplitude);
}

bool noiseFilter(Picture* picture, bool monochrome, uint8_t noisePercent, int32_t seed, Interaction& ui) {
    if (!picture) return false;
    const double amplitude = double(noisePercent) / 100.0 * 255.0;
    if (amplitude <= 2.0) return false;
    const int32_t a = int32_t(amplitude);

    const uint32_t start = seed != 0 ? uint32_t(seed) : uint32_t(ui.clockSeconds());

    // The plane is one run of pixels in the order the draws are consumed (rows top to
    // bottom, pixels left to right, red before green before blue), so it is worked
    // through in fixed chunks whatever the picture's shape. Every pixel takes the same
    // number of draws, so a band of pixels starts from the state the draws before it
    // leave, reached by one jump.
    constexpr size_t kChunk = 4096;
    const size_t pixels = size_t(std::max(picture->width, 0)) * size_t(std::max(picture->height, 0));
    const size_t offsetsPerPixel = monochrome ? 1 : 3;
    const uint64_t drawsPerPixel = offsetsPerPixel * 2;
    const int64_t bands = parallelBandCount(int64_t(pixels), int64_t(kChunk));
    std::vector<uint16_t> draws(size_t(bands) * kChunk * offsetsPerPixel * 2);
    std::vector<int16_t> offsets(size_t(bands) * kChunk * offsetsPerPixel);
    parallelBands(int64_t(pixels), bands, [&](int64_t band, int64_t begin, int64_t end) {
        uint16_t* bandDraws = draws.data() + size_t(band) * kChunk * offsetsPerPixel * 2;
        int16_t* bandOffsets = offsets.data() + size_t(band) * kChunk * offsetsPerPixel;
        uint32_t state = randomJump(uint64_t(begin) * drawsPerPixel)(start);
        for (size_t done = size_t(begin); done < size_t(end); done += kChunk) {
            const size_t count = std::min(kChunk, size_t(end) - done);
            const size_t pairs = count * offsetsPerPixel;
            state = fillRandomDraws(state, bandDraws, pairs * 2);
            noiseOffsets(bandDraws, bandOffsets, int32_t(pairs), a);
            uint8_t* cell = picture->pixels + done * 4;
            widePass<applyBody>(cell, bandOffsets, int32_t(count), monochrome);
        }
    });
    seedRandom(randomJump(uint64_t(pixels) * drawsPerPixel)(start));
    return true;
}
