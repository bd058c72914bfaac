#pragma once
// The four generators written out step by step from their definitions, drawing
// with the per-pixel primitives. Counts here are always >= 1.
#include <cmath>
#include <vector>

#include "core/paint_settings.h"
#include "core/random_sequence.h"
#include "generators/circle_generator.h"
#include "generators/color_choice.h"
#include "generators/polygon_generator.h"
#include "generators/rectangle_generator.h"
#include "generators/vector_generator.h"
#include "tests/core/raster_oracle.h"

namespace oracle {

inline void drawCircles(Picture* p, const CircleParams& q, uint32_t seed) {
    const int32_t W = p->width, H = p->height;
    seedRandom(seed);
    const int32_t span = q.rayMax - q.rayMin;
    for (int32_t n = 1;; ++n) {
        const int32_t r = span == 0 ? q.rayMin : q.rayMin + nextRandom() % span;
        const int32_t x = nextRandom() % (2 * W);
        const int32_t y = nextRandom() % (2 * H);
        const ShapeColor c = pickShapeColor();
        pickBlendLevel();
        oracle::fillDisc(p, x, y, r, c);
        if (n >= q.circleCount) break;
    }
}

inline void drawRectangles(Picture* p, const RectangleParams& q, uint32_t seed) {
    const int32_t W = p->width, H = p->height;
    seedRandom(seed);
    const int32_t spanX = q.xMax - q.xMin, spanY = q.yMax - q.yMin;
    for (int32_t n = 1;; ++n) {
        const int32_t x0 = nextRandom() % (2 * W);
        const int32_t y0 = nextRandom() % (2 * H);
        const int32_t w = spanX == 0 ? q.xMin : q.xMin + nextRandom() % spanX;
        const int32_t h = spanY == 0 ? q.yMin : q.yMin + nextRandom() % spanY;
        const ShapeColor c = pickShapeColor();
        pickBlendLevel();
        oracle::fillRect(p, x0, y0, x0 + w, y0 + h, c);
        if (n >= q.rectangleCount) break;
    }
}

inline void drawPolygons(Picture* p, const PolygonParams& q, uint32_t seed) {
    const int32_t W = p->width, H = p->height;
    const double f = paintSettings().connectable ? 3.0 : 1.125;
    const int32_t rangeX = int32_t(W * f), rangeY = int32_t(H * f);
    seedRandom(seed);
    for (int32_t n = 1;; ++n) {
        const int32_t cx0 = nextRandom() % rangeX;
        const int32_t cy0 = nextRandom() % rangeY;
        const double d = placementMarginDivisor();
        const int32_t cx = int32_t(cx0 - W / d), cy = int32_t(cy0 - H / d);
        std::vector<PolygonPoint> list;
        int32_t angle = 0;
        bool prev = false;
        PolygonPoint pv;
        for (;;) {
            int32_t r = q.rayMin;
            if (q.rayMax > q.rayMin) r = q.rayMin + nextRandom() % (q.rayMax - q.rayMin);
            if (q.angMax > q.angMin)
                angle = angle + q.angMin + nextRandom() % (q.angMax - q.angMin);
            else
                angle = angle + q.angMin;
            if (angle >= 360) break;
            const double t = angle / 180.0 * 3.141592654;
            const double px = cx + r * std::cos(t), py = cy + r * std::sin(t);
            const PolygonPoint v{int32_t(px), int32_t(py)};
            if (prev) {
                list.push_back(pv);
                list.push_back(v);
            }
            pv = v;
            prev = true;
        }
        const ShapeColor c = pickShapeColor();
        pickBlendLevel();
        oracle::drawPolygon(p, list.data(), int32_t(list.size()), c, q.polygonFill);
        if (n >= q.polygonCount) break;
    }
}

inline void drawVectors(Picture* p, const VectorParams& q, uint32_t seed) {
    const int32_t W = p->width, H = p->height;
    seedRandom(seed);
    const int32_t spanL = q.lengthMax - q.lengthMin, spanW = q.weightMax - q.weightMin;
    for (int32_t n = 1;; ++n) {
        const int32_t a = nextRandom() % 360;
        const int32_t x = nextRandom() % (2 * W);
        const int32_t y = nextRandom() % (2 * H);
        const int32_t L = spanL == 0 ? q.lengthMin : q.lengthMin + nextRandom() % spanL;
        const int32_t wt = spanW == 0 ? q.weightMin : q.weightMin + nextRandom() % spanW;
        const int32_t h = wt >> 1;
        const double t = a / 180.0 * 3.141592654;
        const double ex = x + L * std::cos(t), ey = y + L * std::sin(t);
        const double tp = t + 1.570796327, tm = t - 1.570796327;
        const PolygonPoint c4[4] = {
            {int32_t(x + h * std::cos(tp)), int32_t(y + h * std::sin(tp))},
            {int32_t(ex + h * std::cos(tp)), int32_t(ey + h * std::sin(tp))},
            {int32_t(ex + h * std::cos(tm)), int32_t(ey + h * std::sin(tm))},
            {int32_t(x + h * std::cos(tm)), int32_t(y + h * std::sin(tm))},
        };
        const ShapeColor c = pickShapeColor();
        pickBlendLevel();
        oracle::drawPolygon(p, c4, 4, c, q.vectorFill);
        if (n >= q.vectorCount) break;
    }
}

}  // namespace oracle
