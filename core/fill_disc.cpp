#include "core/fill_disc.h"

#include <algorithm>
#include <cmath>

#include "core/numeric.h"
#include "core/span_painter.h"

namespace {

// The disc test exactly as defined: the distance in double precision, strictly
// below the radius.
inline bool insideDisc(int64_t i, int64_t j, int32_t r) {
    const double di = double(i), dj = double(j);
    return std::sqrt(di * di + dj * dj) < double(r);
}

// Largest i >= 0 with insideDisc(i, j); the row of offset j is [-h, h]. The test is
// monotone in |i|, so a square-root guess corrected by single steps finds it
// exactly. Needs |j| < r (then i = 0 is inside).
int64_t halfWidth(int64_t j, int32_t r) {
    const double left = double(r) * double(r) - double(j) * double(j);
    int64_t h = left > 0 ? int64_t(std::sqrt(left)) : 0;
    h = std::min<int64_t>(h, int64_t(r) - 1);
    while (h + 1 < r && insideDisc(h + 1, j, r)) ++h;
    while (h > 0 && !insideDisc(h, j, r)) --h;
    return h;
}

}  // namespace

void fillDisc(Picture* picture, int32_t cx, int32_t cy, int32_t r, ShapeColor colour) {
    if (r <= 0) return;
    SpanPainter painter(picture, colour);
    if (!painter.active()) return;

    // Row offsets -r and r - 1 bound the loop; -r itself is never inside.
    int64_t jLo = -(int64_t(r) - 1), jHi = int64_t(r) - 1;
    const int64_t h = painter.height();

    if (!painter.wraps() || jHi - jLo + 1 <= h) {
        if (!painter.wraps()) {
            jLo = std::max<int64_t>(jLo, -int64_t(cy));
            jHi = std::min<int64_t>(jHi, h - 1 - int64_t(cy));
        }
        for (int64_t j = jLo; j <= jHi; ++j) {
            const int64_t half = halfWidth(j, r);
            painter.run(int64_t(cy) + j, int64_t(cx) - half, 2 * half + 1);
        }
        return;
    }

    // Taller than the picture with wrap-around: several row offsets fold onto each
    // row. Take each row's offsets from the widest outwards and stop once the row
    // is final; the rest of its writes could not change it.
    const int64_t w = painter.width();
    for (int64_t row = 0; row < h; ++row) {
        int64_t laps = 0;
        const int64_t first = wrapIndex(row - int64_t(cy), h);
        for (int64_t j = first; j <= jHi && !painter.saturated(laps); j += h) {
            const int64_t half = halfWidth(j, r);
            painter.run(row, int64_t(cx) - half, 2 * half + 1);
            laps += (2 * half + 1) / w;
        }
        for (int64_t j = first - h; j >= jLo && !painter.saturated(laps); j -= h) {
            const int64_t half = halfWidth(j, r);
            painter.run(row, int64_t(cx) - half, 2 * half + 1);
            laps += (2 * half + 1) / w;
        }
    }
}
