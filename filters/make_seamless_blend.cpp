#include "filters/make_seamless_blend.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "core/parallel.h"
#include "core/wide_pass.h"

namespace {

// The weights of u and of v along one axis, each divided by sqrt(w^2 + (1 - w)^2).
struct AxisWeights {
    int32_t shift = 0;
    std::vector<float> keep;   // of u
    std::vector<float> moved;  // of v
};

AxisWeights axisWeights(int32_t n, bool along) {
    AxisWeights a;
    a.keep.assign(size_t(n), 1.0f);
    a.moved.assign(size_t(n), 0.0f);
    if (!along) return a;
    a.shift = n / 2;
    for (int32_t j = 0; j < n; ++j) {
        const double w = seamlessBlendWeight(j, n);
        const double norm = std::sqrt(w * w + (1.0 - w) * (1.0 - w));
        a.keep[size_t(j)] = float(w / norm);
        a.moved[size_t(j)] = float((1.0 - w) / norm);
    }
    return a;
}

// One run of bytes of an output row: u0/v0 from the row itself, u1/v1 from the row
// half the height away; v* are the same rows shifted by half the width.
WIDE_PASS_BODY void blendBody(const uint8_t* __restrict u0, const uint8_t* __restrict v0, const uint8_t* __restrict u1,
                              const uint8_t* __restrict v1, const float* __restrict keep, const float* __restrict moved,
                              const float* __restrict mean, float rowKeep, float rowMoved, uint8_t* __restrict out,
                              int32_t count) {
    for (int32_t k = 0; k < count; ++k) {
        const float m = mean[k];
        const float near = keep[k] * (float(u0[k]) - m) + moved[k] * (float(v0[k]) - m);
        const float far = keep[k] * (float(u1[k]) - m) + moved[k] * (float(v1[k]) - m);
        const float value = std::clamp(m + (rowKeep * near + rowMoved * far), 0.0f, 255.0f);
        out[k] = uint8_t(int32_t(value + 0.5f));
    }
}

constexpr auto blendRun = widePass<blendBody>;

}  // namespace

double seamlessBlendWeight(int32_t j, int32_t n) {
    const int32_t h = n / 2;
    if (j < n - h) return (double(j) + 0.5) / double(n - h);
    return (double(n) - 0.5 - double(j)) / double(h);
}

void seamlessBlend(Picture& picture, bool alongX, bool alongY) {
    const int32_t width = picture.width;
    const int32_t height = picture.height;
    const size_t stride = size_t(width) * 4;
    const size_t pixels = size_t(width) * size_t(height);

    // Whole-number sums per band, added afterwards: the same totals in any order.
    const int64_t sumBands = parallelBandCount(height, 16);
    std::vector<uint64_t> bandSums(size_t(sumBands) * 3, 0);
    parallelBands(height, sumBands, [&](int64_t band, int64_t begin, int64_t end) {
        uint64_t total[3] = {0, 0, 0};
        for (int64_t y = begin; y < end; ++y) {
            const uint8_t* p = picture.pixels + size_t(y) * stride;
            for (int32_t x = 0; x < width; ++x, p += 4) {
                total[0] += p[0];
                total[1] += p[1];
                total[2] += p[2];
            }
        }
        for (int c = 0; c < 3; ++c) bandSums[size_t(band) * 3 + size_t(c)] = total[c];
    });
    double sums[3] = {0.0, 0.0, 0.0};
    for (int64_t band = 0; band < sumBands; ++band) {
        for (int c = 0; c < 3; ++c) sums[c] += double(bandSums[size_t(band) * 3 + size_t(c)]);
    }

    // Per byte of a row: the column's weights and the channel's mean; alpha gets no
    // weight and a "mean" of 255.
    const AxisWeights across = axisWeights(width, alongX);
    const AxisWeights down = axisWeights(height, alongY);
    std::vector<float> keep(stride), moved(stride), mean(stride);
    for (size_t k = 0; k < stride; ++k) {
        const size_t c = k % 4;
        const bool alpha = c == 3;
        keep[k] = alpha ? 0.0f : across.keep[k / 4];
        moved[k] = alpha ? 0.0f : across.moved[k / 4];
        mean[k] = alpha ? 255.0f : float(sums[c] / double(pixels));
    }

    const size_t split = size_t(width - across.shift) * 4;  // where the shifted copy wraps
    const size_t shift = size_t(across.shift) * 4;
    // Output row y from the rows y and y + hy, into `o`.
    auto blendRow = [&](int32_t y, uint8_t* o) {
        const uint8_t* r0 = picture.pixels + size_t(y) * stride;
        const uint8_t* r1 = picture.pixels + size_t((y + down.shift) % height) * stride;
        const float rowKeep = down.keep[size_t(y)];
        const float rowMoved = down.moved[size_t(y)];
        blendRun(r0, r0 + shift, r1, r1 + shift, keep.data(), moved.data(), mean.data(), rowKeep, rowMoved, o,
                 int32_t(split));
        blendRun(r0 + split, r0, r1 + split, r1, keep.data() + split, moved.data() + split, mean.data() + split,
                 rowKeep, rowMoved, o + split, int32_t(stride - split));
    };

    // Along an even height (or none) the rows y and y + hy use each other only, so each
    // pair is blended into two rows of its own and written back: no second plane.
    if (!alongY || height % 2 == 0) {
        const int32_t pairs = alongY ? height / 2 : height;
        const int64_t bands = parallelBandCount(pairs, 8);
        std::vector<uint8_t> rows(size_t(bands) * 2 * stride);
        parallelBands(pairs, bands, [&](int64_t band, int64_t begin, int64_t end) {
            uint8_t* first = rows.data() + size_t(band) * 2 * stride;
            uint8_t* second = first + stride;
            for (int32_t y = int32_t(begin); y < int32_t(end); ++y) {
                blendRow(y, first);
                if (alongY) blendRow(y + down.shift, second);
                std::memcpy(picture.pixels + size_t(y) * stride, first, stride);
                if (alongY) std::memcpy(picture.pixels + size_t(y + down.shift) * stride, second, stride);
            }
        });
        return;
    }
    std::unique_ptr<uint8_t[]> out(new uint8_t[stride * size_t(height)]);
    parallelRows(height, 16, [&](int64_t begin, int64_t end) {
        for (int32_t y = int32_t(begin); y < int32_t(end); ++y) blendRow(y, out.get() + size_t(y) * stride);
    });
    std::memcpy(picture.pixels, out.get(), stride * size_t(height));
}
