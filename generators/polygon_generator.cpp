#include "generators/polygon_generator.h"

#include <cmath>
#include <vector>

#include "core/numeric.h"
#include "core/polygon.h"
#include "core/random_sequence.h"
#include "generators/color_choice.h"
#include "generators/shape_loop.h"

void drawPolygons(Picture* picture, const PolygonParams& params, Interaction& ui) {
    escapePreCheck(ui);
    if (!picture || picture->width <= 0 || picture->height <= 0) return;
    const int32_t w = picture->width, h = picture->height;

    // Centres spread over three picture sizes when connectable (every position
    // folds back), over the picture and an eighth otherwise.
    const double f = paintSettings().connectable ? 3.0 : 1.125;
    const int32_t rangeX = truncToInt32(double(w) * f);
    const int32_t rangeY = truncToInt32(double(h) * f);
    seedRandom(clockSeed(ui));

    std::vector<PolygonPoint> list(static_cast<size_t>(kPolygonListCapacity));

    runShapeLoop(ui, params.polygonCount, [&] {
        const int32_t cx0 = nextRandom() % rangeX;
        const int32_t cy0 = nextRandom() % rangeY;
        const double d = placementMarginDivisor();
        const int32_t cx = truncToInt32(double(cx0) - double(w) / d);
        const int32_t cy = truncToInt32(double(cy0) - double(h) / d);

        // Walk once around the centre in random steps. The list holds every edge as
        // a pair of points; a step that never advances would walk forever, so the
        // walk also ends when the list is full.
        int32_t points = 0;
        int64_t angle = 0;
        bool hasPrevious = false;
        PolygonPoint previous;
        while (points + 2 <= kPolygonListCapacity) {
            int64_t r = params.rayMin;
            if (params.rayMax > params.rayMin)
                r = params.rayMin + nextRandom() % (int64_t(params.rayMax) - params.rayMin);
            if (params.angMax > params.angMin)
                angle += params.angMin + nextRandom() % (int64_t(params.angMax) - params.angMin);
            else
                angle += params.angMin;
            if (angle >= 360) break;
            r = clampExtent(r);
            const double theta = double(angle) / 180.0 * 3.141592654;
            const double px = double(cx) + double(r) * std::cos(theta);
            const double py = double(cy) + double(r) * std::sin(theta);
            const PolygonPoint vertex{truncToInt32(px), truncToInt32(py)};
            if (hasPrevious) {
                list[size_t(points++)] = previous;
                list[size_t(points++)] = vertex;
            }
            previous = vertex;
            hasPrevious = true;
        }

        const ShapeColor color = pickShapeColor();
        pickBlendLevel();
        drawPolygon(picture, list.data(), points, color, params.polygonFill);
    });
}
