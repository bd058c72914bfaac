#include "core/draw_line.h"

#include <algorithm>

#include "core/numeric.h"
#include "core/span_painter.h"

namespace {

// The steps n in [0, steps) at which start + n * dir lies in [0, size): clipped
// lines need not walk the part that is never drawn.
void visibleSteps(int64_t start, int64_t dir, int64_t size, int64_t steps, int64_t& lo, int64_t& hi) {
    if (dir > 0) {
        lo = std::max<int64_t>(0, -start);
        hi = std::min<int64_t>(steps, size - start);
    } else {
        lo = std::max<int64_t>(0, start - (size - 1));
        hi = std::min<int64_t>(steps, start + 1);
    }
}

}  // namespace

void drawLine(Picture* picture, ShapeColor color, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    SpanPainter painter(picture, color);
    if (!painter.active()) return;
    const int64_t dx = int64_t(x1) - x0;
    const int64_t dy = int64_t(y1) - y0;
    if (dx == 0 && dy == 0) return;

    if (dx == 0) {
        // Upwards the end point is included, downwards it is not.
        const int64_t top = dy > 0 ? y0 : y1;
        const int64_t count = dy > 0 ? dy : -dy + 1;
        int64_t lo = 0, hi = count;
        if (!painter.wraps()) visibleSteps(top, 1, painter.height(), count, lo, hi);
        for (int64_t n = lo; n < hi; ++n) painter.point(x0, top + n);
        return;
    }
    if (dy == 0) {
        if (dx > 0)
            painter.run(y0, x0, dx);
        else
            painter.run(y0, x1, -dx + 1);
        return;
    }

    const double m = double(dy) / double(dx);
    const double k = double(dx) / double(dy);
    const int64_t sx = dx > 0 ? 1 : -1;
    const double mx = dx > 0 ? m : -m;
    const int64_t sy = dy > 0 ? 1 : -1;
    const double kx = dy > 0 ? k : -k;

    // Along x: one pixel per column, the row truncated from the exact slope.
    int64_t lo = 0, hi = dx > 0 ? dx : -dx;
    if (!painter.wraps()) visibleSteps(x0, sx, painter.width(), hi, lo, hi);
    for (int64_t n = lo; n < hi; ++n) painter.point(int64_t(x0) + n * sx, truncToInt32(double(y0) + double(n) * mx));

    // Along y: one pixel per row.
    lo = 0;
    hi = dy > 0 ? dy : -dy;
    if (!painter.wraps()) visibleSteps(y0, sy, painter.height(), hi, lo, hi);
    for (int64_t n = lo; n < hi; ++n) painter.point(truncToInt32(double(x0) + double(n) * kx), int64_t(y0) + n * sy);
}
