#include "generators/vector_generator.h"

#include <cmath>

#include "core/numeric.h"
#include "core/polygon.h"
#include "core/random_sequence.h"
#include "generators/color_choice.h"
#include "generators/shape_loop.h"

void drawVectors(Picture* picture, const VectorParams& params, Interaction& ui) {
    escapePreCheck(ui);
    if (!picture || picture->width <= 0 || picture->height <= 0) return;
    const int32_t w = picture->width, h = picture->height;
    seedRandom(clockSeed(ui));

    runShapeLoop(ui, params.vectorCount, [&] {
        const int32_t a = nextRandom() % 360;
        const int32_t x = nextRandom() % (2 * w);
        const int32_t y = nextRandom() % (2 * h);
        const int64_t length = clampExtent(drawInRange(params.lengthMin, params.lengthMax));
        const int64_t weight = drawInRange(params.weightMin, params.weightMax);
        const int64_t half = clampExtent(weight >> 1);

        const double theta = double(a) / 180.0 * 3.141592654;
        const double ex = double(x) + double(length) * std::cos(theta);
        const double ey = double(y) + double(length) * std::sin(theta);
        const double thetaP = theta + 1.570796327;
        const double thetaM = theta - 1.570796327;
        const double hd = double(half);
        const PolygonPoint corners[4] = {
            {truncToInt32(double(x) + hd * std::cos(thetaP)), truncToInt32(double(y) + hd * std::sin(thetaP))},
            {truncToInt32(ex + hd * std::cos(thetaP)), truncToInt32(ey + hd * std::sin(thetaP))},
            {truncToInt32(ex + hd * std::cos(thetaM)), truncToInt32(ey + hd * std::sin(thetaM))},
            {truncToInt32(double(x) + hd * std::cos(thetaM)), truncToInt32(double(y) + hd * std::sin(thetaM))},
        };

        const ShapeColor color = pickShapeColor();
        pickBlendLevel();
        drawPolygon(picture, corners, 4, color, params.vectorFill);
    });
}
