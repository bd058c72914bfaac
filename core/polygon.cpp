#include "core/polygon.h"

#include <algorithm>
#include <vector>

#include "core/draw_line.h"
#include "core/span_painter.h"

namespace {

inline int32_t wrapSub(int32_t a, int32_t b) { return static_cast<int32_t>(uint32_t(a) - uint32_t(b)); }
inline int32_t wrapAdd(int32_t a, int32_t b) { return static_cast<int32_t>(uint32_t(a) + uint32_t(b)); }
inline int32_t wrapMul(int32_t a, int32_t b) { return static_cast<int32_t>(uint32_t(a) * uint32_t(b)); }

// Truncating 32-bit division; the one quotient that does not fit wraps.
inline int32_t wrapDiv(int32_t a, int32_t b) {
    if (b == -1) return static_cast<int32_t>(0u - uint32_t(a));
    return a / b;
}

// Where the edge (i, j) crosses row py, when it does (the half-open rule).
inline bool edgeCrossing(int32_t xi, int32_t yi, int32_t xj, int32_t yj, int32_t py, int32_t& xc) {
    if (!((yi <= py && py < yj) || (yj <= py && py < yi))) return false;
    xc = wrapAdd(xi, wrapDiv(wrapMul(wrapSub(xj, xi), wrapSub(py, yi)), wrapSub(yj, yi)));
    return true;
}

// Scratch reused from shape to shape so that filling allocates nothing in the
// steady state.
struct Edge {
    int32_t xi, yi, xj, yj;
};

struct FillScratch {
    std::vector<Edge> edges;
    std::vector<int32_t> crossings;
    std::vector<uint8_t> rowLaps;
};

FillScratch& scratch() {
    thread_local FillScratch s;
    return s;
}

void fillPolygon(Picture* picture, const PolygonPoint* v, int32_t n, ShapeColor color) {
    SpanPainter painter(picture, color);
    if (!painter.active()) return;

    int32_t minX = v[0].x, maxX = v[0].x, minY = v[0].y, maxY = v[0].y;
    for (int32_t i = 1; i < n; ++i) {
        minX = std::min(minX, v[i].x);
        maxX = std::max(maxX, v[i].x);
        minY = std::min(minY, v[i].y);
        maxY = std::max(maxY, v[i].y);
    }
    int64_t yLo = minY, yHi = maxY;
    const int64_t h = painter.height(), w = painter.width();
    if (!painter.wraps()) {
        yLo = std::max<int64_t>(yLo, 0);
        yHi = std::min<int64_t>(yHi, h - 1);
    }

    FillScratch& s = scratch();
    // Edges that never cross a row (horizontal ones, and the zero-length ones of
    // repeated vertices) are left out once instead of being tested on every row.
    s.edges.clear();
    for (int32_t i = 0, j = n - 1; i < n; j = i++)
        if (v[i].y != v[j].y) s.edges.push_back(Edge{v[i].x, v[i].y, v[j].x, v[j].y});
    s.crossings.resize(s.edges.size() + 1);
    int32_t* xc = s.crossings.data();

    // When the box is taller than the picture, rows fold onto each other; a row
    // that is already final is skipped, and once all are the shape is done.
    const bool folds = painter.wraps() && yHi - yLo + 1 > h;
    int64_t finalRows = 0;
    if (folds) s.rowLaps.assign(size_t(h), 0);

    for (int64_t y = yLo; y <= yHi; ++y) {
        const int64_t row = painter.rowOf(y);
        if (folds && painter.saturated(s.rowLaps[size_t(row)])) continue;
        const int32_t py = static_cast<int32_t>(y);

        int32_t m = 0;
        for (const Edge& e : s.edges)
            if (edgeCrossing(e.xi, e.yi, e.xj, e.yj, py, xc[m])) ++m;
        if (m == 0) continue;
        std::sort(xc, xc + m);

        // px is inside when an odd number of crossings lie to its right: the
        // parity changes at each crossing.
        int64_t laps = 0;
        auto span = [&](int64_t a, int64_t b) {  // [a, b] inclusive, within the box
            a = std::max<int64_t>(a, minX);
            b = std::min<int64_t>(b, maxX);
            if (a > b) return;
            painter.run(y, a, b - a + 1);
            laps += (b - a + 1) / w;
        };
        if (m % 2 == 1) span(int64_t(minX), int64_t(xc[0]) - 1);
        for (int32_t k = 1; k < m; ++k)
            if ((m - k) % 2 == 1) span(xc[k - 1], int64_t(xc[k]) - 1);

        if (folds) {
            uint8_t& have = s.rowLaps[size_t(row)];
            const int64_t total = std::min<int64_t>(int64_t(have) + laps, 255);
            have = static_cast<uint8_t>(total);
            if (painter.saturated(total) && ++finalRows == h) return;
        }
    }
}

}  // namespace

int pointInPolygon(int32_t n, const int32_t* xs, const int32_t* ys, int32_t px, int32_t py) {
    int inside = 0;
    for (int32_t i = 0, j = n - 1; i < n; j = i++) {
        int32_t xc;
        if (edgeCrossing(xs[i], ys[i], xs[j], ys[j], py, xc) && px < xc) inside = 1 - inside;
    }
    return inside;
}

void drawPolygon(Picture* picture, const PolygonPoint* vertices, int32_t n, ShapeColor color, uint8_t fill) {
    if (!vertices || n <= 0) return;
    if (fill == 0) {
        for (int32_t i = 0; i < n; ++i) {
            const int32_t k = i + 1 < n ? i + 1 : 0;
            drawLine(picture, color, vertices[i].x, vertices[i].y, vertices[k].x, vertices[k].y);
        }
        return;
    }
    fillPolygon(picture, vertices, n, color);
}
