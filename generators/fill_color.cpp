#include "generators/fill_color.h"

#include "core/fill_rect.h"

void fillColor(Picture* picture, ShapeColor color, bool fullMix) {
    if (!picture || picture->width <= 0 || picture->height <= 0) return;
    if (fullMix) {
        const size_t cells = size_t(picture->width) * size_t(picture->height);
        uint8_t* cell = picture->pixels;
        for (size_t i = 0; i < cells; ++i, cell += 4) {
            cell[0] = color.red;
            cell[1] = color.green;
            cell[2] = color.blue;
            cell[3] = 255;
        }
        return;
    }
    // Every pixel once, inside the picture: no wrap can fold two onto one, so the
    // rectangle primitive gives exactly the per-pixel putPixel result.
    fillRect(picture, 0, 0, picture->width, picture->height, color);
}
