#include "generators/circle_generator.h"

#include "core/fill_disc.h"
#include "core/numeric.h"
#include "core/random_sequence.h"
#include "generators/color_choice.h"
#include "generators/shape_loop.h"

void drawCircles(Picture* picture, const CircleParams& params, Interaction& ui) {
    escapePreCheck(ui);
    if (!picture || picture->width <= 0 || picture->height <= 0) return;
    const int32_t w = picture->width, h = picture->height;
    seedRandom(clockSeed(ui));

    struct Shape {
        int32_t x, y, r;
        ShapeColor color;
    };
    runShapeLoopAhead(
        ui, params.circleCount,
        [&] {
            const int64_t r = drawInRange(params.rayMin, params.rayMax);
            const int32_t x = nextRandom() % (2 * w);
            const int32_t y = nextRandom() % (2 * h);
            const ShapeColor color = pickShapeColor();
            pickBlendLevel();
            return Shape{x, y, clampToInt32(r), color};
        },
        [&](const Shape& s) { prefetchDisc(picture, s.x, s.y, s.r, kRowsFetchedAhead); },
        [&](const Shape& s) { fillDisc(picture, s.x, s.y, s.r, s.color); });
}
