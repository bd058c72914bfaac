#include "filters/render_connectable.h"

#include <cstdlib>
#include <vector>

namespace {

// Normalised distance of index i from the centre line of a half of size half:
// 1 at i = 0, 0 at i = half - 1.
inline double edgeDistance(int32_t i, int32_t half) {
    return double(std::abs(i - half) - 1) / double(half - 1);
}

inline uint8_t mixChannel(double g, double h, uint8_t p, uint8_t q) {
    return uint8_t(int32_t(g * double(p) + h * double(q)));
}

struct Blend {
    uint32_t level;

    // The value the picture cell receives for the mix `m` (one channel): the mix goes
    // into a fresh white temporary, which then goes into the cell, each write blending
    // like putPixel.
    uint8_t operator()(uint8_t cell, uint8_t m) const {
        if (level == 255) return m;
        const uint8_t stored = blendChannel(255, m, level);
        return blendChannel(cell, stored, level);
    }
};

// Mixes the pair of cells p and q with weight g for p and writes the result into both.
inline void mixPair(uint8_t* p, uint8_t* q, double g, const Blend& blend) {
    const double h = 1.0 - g;
    for (int c = 0; c < 3; ++c) {
        const uint8_t m = mixChannel(g, h, p[c], q[c]);
        p[c] = blend(p[c], m);
        q[c] = blend(q[c], m);
    }
    p[3] = 255;
    q[3] = 255;
}

} // namespace

double seamWeight(int32_t a, int32_t y, int32_t hw, int32_t hh) {
    return seamWeightFrom(edgeDistance(a, hw), edgeDistance(y, hh));
}

bool renderConnectable(Picture* picture) {
    if (!picture) return false;
    const int32_t width = picture->width;
    const int32_t height = picture->height;
    const int32_t hw = width / 2;
    const int32_t hh = height / 2;
    // Below 4 pixels the weights would divide by zero.
    if (hw < 2 || hh < 2) return false;

    const Blend blend{paintSettings().blendLevel};
    const size_t stride = size_t(width) * 4;
    std::vector<double> e(static_cast<size_t>(hw)), g(static_cast<size_t>(hw));
    for (int32_t a = 0; a < hw; ++a) e[size_t(a)] = edgeDistance(a, hw);

    // Each pixel of the two quadrant pairs is read once and written once, and the two
    // cells of a pair receive the same mix, so the pass can work in place: every mix
    // still sees the picture as it was.
    for (int32_t y = 0; y < hh; ++y) {
        const double f = edgeDistance(y, hh);
        for (int32_t a = 0; a < hw; ++a) g[size_t(a)] = seamWeightFrom(e[size_t(a)], f);

        uint8_t* top = picture->pixels + size_t(y) * stride;
        uint8_t* bottom = picture->pixels + size_t(y + hh) * stride;
        // Top-left with bottom-right.
        for (int32_t x = 0; x < hw; ++x) mixPair(top + size_t(x) * 4, bottom + size_t(x + hw) * 4, g[size_t(x)], blend);
        // Top-right with bottom-left, counted from the right edge so the weights mirror.
        for (int32_t i = 0; i < hw; ++i)
            mixPair(top + size_t(width - 1 - i) * 4, bottom + size_t(hw - 1 - i) * 4, g[size_t(i)], blend);
    }
    return true;
}
