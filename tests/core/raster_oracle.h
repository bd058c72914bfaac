#pragma once
// Straightforward per-pixel forms of the raster primitives, written from their
// definitions with one putPixel per point and no shortcuts. The fast primitives
// must give the same pictures, byte for byte.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/picture.h"
#include "core/polygon.h"
#include "core/shape_color.h"

namespace oracle {

inline void put(Picture* p, int64_t x, int64_t y, ShapeColor c) {
    putPixel(p, static_cast<int32_t>(x), static_cast<int32_t>(y), c.red, c.green, c.blue);
}

inline void fillDisc(Picture* p, int32_t cx, int32_t cy, int32_t r, ShapeColor c) {
    for (int64_t i = -int64_t(r); i <= int64_t(r) - 1; ++i)
        for (int64_t j = -int64_t(r); j <= int64_t(r) - 1; ++j)
            if (std::sqrt(double(i) * double(i) + double(j) * double(j)) < double(r)) put(p, cx + i, cy + j, c);
}

inline void fillRect(Picture* p, int32_t x0, int32_t y0, int32_t x1, int32_t y1, ShapeColor c) {
    for (int64_t x = x0; x < x1; ++x)
        for (int64_t y = y0; y < y1; ++y) put(p, x, y, c);
}

inline int pointInPolygon(int32_t n, const int32_t* xs, const int32_t* ys, int32_t px, int32_t py) {
    int inside = 0;
    int32_t j = n - 1;
    for (int32_t i = 0; i < n; ++i) {
        if ((ys[i] <= py && py < ys[j]) || (ys[j] <= py && py < ys[i])) {
            // 32-bit arithmetic that wraps, as the definition's signed product does
            const int32_t num = int32_t(uint32_t(int32_t(uint32_t(xs[j]) - uint32_t(xs[i]))) *
                                        uint32_t(int32_t(uint32_t(py) - uint32_t(ys[i]))));
            const int32_t den = int32_t(uint32_t(ys[j]) - uint32_t(ys[i]));
            const int32_t q = den == -1 ? int32_t(0u - uint32_t(num)) : num / den;
            const int32_t xc = int32_t(uint32_t(xs[i]) + uint32_t(q));
            if (px < xc) inside = 1 - inside;
        }
        j = i;
    }
    return inside;
}

inline void drawLine(Picture* p, ShapeColor c, int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
    const int64_t dx = int64_t(x1) - x0, dy = int64_t(y1) - y0;
    if (dx == 0 && dy == 0) return;
    if (dx == 0) {
        if (y1 > y0)
            for (int64_t y = y0; y <= int64_t(y1) - 1; ++y) put(p, x0, y, c);
        else
            for (int64_t y = y0; y >= y1; --y) put(p, x0, y, c);
        return;
    }
    if (dy == 0) {
        if (x1 > x0)
            for (int64_t x = x0; x <= int64_t(x1) - 1; ++x) put(p, x, y0, c);
        else
            for (int64_t x = x0; x >= x1; --x) put(p, x, y0, c);
        return;
    }
    const double m = double(dy) / double(dx), k = double(dx) / double(dy);
    const int64_t sx = x1 >= x0 ? 1 : -1, sy = y1 >= y0 ? 1 : -1;
    const double mx = x1 >= x0 ? m : -m, kx = y1 >= y0 ? k : -k;
    for (int64_t n = 0; x0 + n * sx != x1; ++n) put(p, x0 + n * sx, int64_t(double(y0) + double(n) * mx), c);
    for (int64_t n = 0; y0 + n * sy != y1; ++n) put(p, int64_t(double(x0) + double(n) * kx), y0 + n * sy, c);
}

inline void drawPolygon(Picture* p, const PolygonPoint* v, int32_t n, ShapeColor c, uint8_t fill) {
    if (n <= 0) return;
    if (!fill) {
        for (int32_t i = 0; i < n; ++i) {
            const int32_t k = i + 1 < n ? i + 1 : 0;
            oracle::drawLine(p, c, v[i].x, v[i].y, v[k].x, v[k].y);
        }
        return;
    }
    std::vector<int32_t> xs(static_cast<size_t>(n)), ys(static_cast<size_t>(n));
    int32_t minX = v[0].x, maxX = v[0].x, minY = v[0].y, maxY = v[0].y;
    for (int32_t i = 0; i < n; ++i) {
        xs[size_t(i)] = v[i].x;
        ys[size_t(i)] = v[i].y;
        minX = std::min(minX, v[i].x);
        maxX = std::max(maxX, v[i].x);
        minY = std::min(minY, v[i].y);
        maxY = std::max(maxY, v[i].y);
    }
    for (int64_t y = minY; y <= maxY; ++y)
        for (int64_t x = minX; x <= maxX; ++x)
            if (pointInPolygon(n, xs.data(), ys.data(), int32_t(x), int32_t(y)) == 1) put(p, x, y, c);
}

}  // namespace oracle
