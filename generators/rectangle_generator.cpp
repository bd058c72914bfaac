#include "generators/rectangle_generator.h"

#include "core/fill_rect.h"
#include "core/numeric.h"
#include "core/random_sequence.h"
#include "generators/color_choice.h"
#include "generators/shape_loop.h"

void drawRectangles(Picture* picture, const RectangleParams& params, Interaction& ui) {
    escapePreCheck(ui);
    if (!picture || picture->width <= 0 || picture->height <= 0) return;
    const int32_t w = picture->width, h = picture->height;
    seedRandom(clockSeed(ui));

    struct Shape {
        int32_t x0, y0, x1, y1;
        ShapeColor color;
    };
    runShapeLoopAhead(
        ui, params.rectangleCount,
        [&] {
            const int32_t x0 = nextRandom() % (2 * w);
            const int32_t y0 = nextRandom() % (2 * h);
            const int64_t rw = drawInRange(params.xMin, params.xMax);
            const int64_t rh = drawInRange(params.yMin, params.yMax);
            const ShapeColor color = pickShapeColor();
            pickBlendLevel();
            // The rectangle reaches right and down from its corner.
            return Shape{x0, y0, clampToInt32(x0 + rw), clampToInt32(y0 + rh), color};
        },
        [&](const Shape& s) { prefetchRect(picture, s.x0, s.y0, s.x1, s.y1, kRowsFetchedAhead); },
        [&](const Shape& s) { fillRect(picture, s.x0, s.y0, s.x1, s.y1, s.color); });
}
