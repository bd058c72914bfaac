#include "core/fill_disc.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/connectable.h"
#include "core/span_painter.h"

namespace {

// The disc test exactly as defined: the distance in double precision, strictly
// below the radius.
inline bool insideDisc(int64_t i, int64_t j, int32_t r) {
    const double di = double(i), dj = double(j);
    return std::sqrt(di * di + dj * dj) < double(r);
}

// Up to this radius the disc test is exact in integers: i and j stay below 2^26, so
// i^2 + j^2 is an exact double, and a correctly rounded square root of an integer below
// r^2 stays more than 1 / (2r) under r, far more than half a unit in the last place. So
// sqrt(i^2 + j^2) < r exactly when i^2 + j^2 < r^2.
constexpr int32_t kIntegerDiscRadius = int32_t(1) << 25;

// How many rows ahead of the writing the rows of a disc are fetched.
constexpr int64_t kRowsAhead = 6;

// Largest h >= 0 with h^2 <= left, from a square-root guess.
inline int64_t integerRoot(int64_t left) {
    int64_t h = int64_t(std::sqrt(double(left)));
    while (h * h > left) --h;
    while ((h + 1) * (h + 1) <= left) ++h;
    return h;
}

// Largest i >= 0 with insideDisc(i, j); the row of offset j is [-h, h]. The test is
// monotone in |i|, so a square-root guess corrected by single steps finds it
// exactly. Needs |j| < r (then i = 0 is inside).
int64_t halfWidth(int64_t j, int32_t r) {
    if (r <= kIntegerDiscRadius) return integerRoot(int64_t(r) * r - j * j - 1);
    const double left = double(r) * double(r) - double(j) * double(j);
    int64_t h = left > 0 ? int64_t(std::sqrt(left)) : 0;
    h = std::min<int64_t>(h, int64_t(r) - 1);
    while (h + 1 < r && insideDisc(h + 1, j, r)) ++h;
    while (h > 0 && !insideDisc(h, j, r)) --h;
    return h;
}

}  // namespace

void prefetchDisc(Picture* picture, int32_t cx, int32_t cy, int32_t r, int32_t rows) {
    if (r <= 0 || r > kIntegerDiscRadius) return;
    SpanPainter painter(picture, ShapeColor{});
    if (!painter.active() || !painter.fetches()) return;
    const int64_t len = 2 * int64_t(r) - 1;
    if (painter.wraps() && (len >= painter.width() || len > painter.height())) return;
    // The walk starts at the middle row and goes outwards; the middle row is the widest.
    const ColumnSpan span = painter.columnsOf(int64_t(cx) - (r - 1), len);
    const int64_t pairs = std::min<int64_t>(r, (rows + 1) / 2);
    for (int64_t j = 0; j < pairs; ++j) {
        const int64_t down = painter.rowOf(int64_t(cy) + j);
        if (down >= 0) painter.prefetchSpan(painter.line(down), span);
        if (j == 0) continue;
        const int64_t up = painter.rowOf(int64_t(cy) - j);
        if (up >= 0) painter.prefetchSpan(painter.line(up), span);
    }
}

void fillDisc(Picture* picture, int32_t cx, int32_t cy, int32_t r, ShapeColor color) {
    if (r <= 0) return;
    SpanPainter painter(picture, color);
    if (!painter.active()) return;

    // Row offsets -r and r - 1 bound the loop; -r itself is never inside.
    int64_t jLo = -(int64_t(r) - 1), jHi = int64_t(r) - 1;
    const int64_t h = painter.height();

    const bool narrow = !painter.wraps() || (jHi - jLo + 1 <= h && jHi - jLo + 1 < painter.width());
    if (r <= kIntegerDiscRadius && narrow) {
        // Every row offset lands on a row of its own, and every row's run on columns
        // of its own. Rows j and -j have the same width, and widths shrink as |j|
        // grows, so one walk from the middle row outwards finds them all without a
        // square root.
        if (!painter.wraps()) {
            jLo = std::max<int64_t>(jLo, -int64_t(cy));
            jHi = std::min<int64_t>(jHi, h - 1 - int64_t(cy));
            if (jLo > jHi) return;
        }
        const int64_t rr = int64_t(r) * r;
        const int64_t jFirst = jLo <= 0 && jHi >= 0 ? 0 : std::min(std::abs(jLo), std::abs(jHi));
        const int64_t jLast = std::max(std::abs(jLo), std::abs(jHi));
        // Rows cy + j and cy - j, folded once here and stepped with the walk: the
        // offsets span at most the picture's height, so each lands on a row of its own.
        const int64_t wrapRows = painter.wraps() ? h : INT64_MAX;
        const int64_t centre = painter.wraps() ? painter.rowOf(cy) : int64_t(cy);
        auto down = [&](int64_t j) {
            const int64_t row = centre + j;
            return row >= wrapRows ? row - wrapRows : row;
        };
        auto up = [&](int64_t j) {
            const int64_t row = centre - j;
            return row < 0 && painter.wraps() ? row + wrapRows : row;
        };
        int64_t half = integerRoot(rr - jFirst * jFirst - 1);
        const int64_t rowsAhead = painter.fetches() ? kRowsAhead : 0;
        for (int64_t j = jFirst; j < jFirst + rowsAhead && j <= jLast; ++j) {
            const ColumnSpan span = painter.columnsOf(int64_t(cx) - half, 2 * half + 1);
            if (j <= jHi && j >= jLo) painter.prefetchSpan(painter.line(down(j)), span);
            if (-j >= jLo && -j <= jHi) painter.prefetchSpan(painter.line(up(j)), span);
        }
        for (int64_t j = jFirst; j <= jLast; ++j) {
            const int64_t left = rr - j * j - 1;
            // A few steps down, or a fresh root where the edge of a large disc turns flat.
            for (int step = 0; half * half > left; ++step) {
                if (step == 4) {
                    half = integerRoot(left);
                    break;
                }
                --half;
            }
            const ColumnSpan span = painter.columnsOf(int64_t(cx) - half, 2 * half + 1);
            if (rowsAhead > 0) {
                const int64_t ahead = j + rowsAhead;
                if (ahead <= jHi) painter.prefetchSpan(painter.line(down(ahead)), span);
                if (-ahead >= jLo) painter.prefetchSpan(painter.line(up(ahead)), span);
            }
            if (j <= jHi && j >= jLo) painter.fillSpan(painter.line(down(j)), span);
            if (j > 0 && -j >= jLo && -j <= jHi) painter.fillSpan(painter.line(up(j)), span);
        }
        return;
    }
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
