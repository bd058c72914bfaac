#include "filters/render_connectable.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/parallel.h"
#include "core/wide_pass.h"

namespace {

// Normalised distance of index i from the centre line of a half of size half:
// 1 at i = 0, 0 at i = half - 1.
inline double edgeDistance(int32_t i, int32_t half) { return double(std::abs(i - half) - 1) / double(half - 1); }

// Mixes each pixel of run p with the pixel of run q at the same place, weight g[k] for
// p, and writes the mix into both. Level 255 only: the mix replaces both cells. The two
// runs never overlap.
WIDE_PASS_BODY void mixBody(uint8_t* __restrict p, uint8_t* __restrict q, const double* __restrict g, int32_t count) {
    for (int32_t k = 0; k < count; ++k) {
        const double wp = g[k];
        const double wq = 1.0 - wp;
        for (int32_t c = 0; c < 3; ++c) {
            const uint8_t m = uint8_t(int32_t(wp * double(p[4 * k + c]) + wq * double(q[4 * k + c])));
            p[4 * k + c] = m;
            q[4 * k + c] = m;
        }
        p[4 * k + 3] = 255;
        q[4 * k + 3] = 255;
    }
}

// The same with a blend level below 255, as the two quarter-size temporaries behave:
// the mix is blended into the temporary's cell, and that value into each picture cell.
// The temporaries start white and serve both quadrant pairs, so the second pair's mix
// is blended into what the first pair left in the cell of the same quadrant index.
// `temp` holds that cell row (3 bytes a cell, by quadrant index) and is updated;
// `mirroredIndex` says the runs walk the quadrant index from hw - 1 down to 0.
void mixBlended(uint8_t* p, uint8_t* q, const double* g, int32_t count, uint32_t level, uint8_t* temp,
                bool mirroredIndex) {
    for (int32_t k = 0; k < count; ++k) {
        const double wp = g[k];
        const double wq = 1.0 - wp;
        uint8_t* t = temp + 3 * size_t(mirroredIndex ? count - 1 - k : k);
        for (int32_t c = 0; c < 3; ++c) {
            const uint8_t m = uint8_t(int32_t(wp * double(p[4 * k + c]) + wq * double(q[4 * k + c])));
            t[c] = blendChannel(t[c], m, level);
            p[4 * k + c] = blendChannel(p[4 * k + c], t[c], level);
            q[4 * k + c] = blendChannel(q[4 * k + c], t[c], level);
        }
        p[4 * k + 3] = 255;
        q[4 * k + 3] = 255;
    }
}

constexpr auto mixRuns = widePass<mixBody>;

// Rows in a band at least: fewer are not worth a thread's start.
constexpr int64_t kRowsPerBand = 16;

}  // namespace

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

    const uint32_t level = paintSettings().blendLevel;
    const size_t stride = size_t(width) * 4;
    const size_t half = size_t(hw);
    // Rows of the top half are independent of each other: each band of rows has its
    // own weight rows and temporary row.
    const int64_t bands = parallelBandCount(hh, kRowsPerBand);
    std::vector<double> e(half), g(size_t(bands) * half), mirrored(size_t(bands) * half);
    for (int32_t a = 0; a < hw; ++a) e[size_t(a)] = edgeDistance(a, hw);
    std::vector<uint8_t> temp(level == 255 ? 0 : size_t(bands) * half * 3);

    // Each pixel of the two quadrant pairs is read once and written once, and the two
    // cells of a pair receive the same mix, so the pass can work in place: every mix
    // still sees the picture as it was.
    parallelBands(hh, bands, [&](int64_t band, int64_t begin, int64_t end) {
        double* gRow = g.data() + size_t(band) * half;
        double* mirroredRow = mirrored.data() + size_t(band) * half;
        uint8_t* tempRow = temp.empty() ? nullptr : temp.data() + size_t(band) * half * 3;
        for (int32_t y = int32_t(begin); y < int32_t(end); ++y) {
            const double f = edgeDistance(y, hh);
            for (int32_t a = 0; a < hw; ++a) {
                gRow[a] = seamWeightFrom(e[size_t(a)], f);
                mirroredRow[hw - 1 - a] = gRow[a];
            }
            uint8_t* top = picture->pixels + size_t(y) * stride;
            uint8_t* bottom = picture->pixels + size_t(y + hh) * stride;
            // Top-left with bottom-right, then top-right with bottom-left; the top-right
            // index counts from the right edge, so walking both runs left to right takes
            // the weights mirrored.
            if (level == 255) {
                mixRuns(top, bottom + half * 4, gRow, hw);
                mixRuns(top + size_t(width - hw) * 4, bottom, mirroredRow, hw);
            } else {
                std::fill(tempRow, tempRow + half * 3, uint8_t(255));
                mixBlended(top, bottom + half * 4, gRow, hw, level, tempRow, false);
                mixBlended(top + size_t(width - hw) * 4, bottom, mirroredRow, hw, level, tempRow, true);
            }
        }
    });
    return true;
}
