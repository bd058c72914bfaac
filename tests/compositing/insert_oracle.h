#pragma once
// One click of the preview's tag insertion written from its definition: the tag
// centred on the pointer folded into the picture, each pixel moved towards the cell
// by opacity x level, then putPixel.
#include <cstdint>

#include "core/picture.h"

namespace oracle {

inline void insertTag(Picture& p, const uint8_t* cells, int32_t tw, int32_t th, int32_t px, int32_t py, uint8_t level) {
    const int32_t x0 = px % p.width - tw / 2, y0 = py % p.height - th / 2;
    for (int32_t r = 0; r < th; ++r) {
        for (int32_t c = 0; c < tw; ++c) {
            const uint8_t* cell = cells + (size_t(r) * tw + c) * 4;
            int32_t x = x0 + c, y = y0 + r;
            mapPoint(&p, x, y, &x, &y);
            uint8_t cr = 0, cg = 0, cb = 0;
            getPixel(&p, x, y, &cr, &cg, &cb);
            const uint8_t l = blendChannel(0, cell[3], level);
            putPixel(&p, x0 + c, y0 + r, blendChannel(cr, cell[0], l), blendChannel(cg, cell[1], l),
                     blendChannel(cb, cell[2], l));
        }
    }
}

}  // namespace oracle
