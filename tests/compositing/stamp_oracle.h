#pragma once
// The block stamp and the tag run written from their definitions, one pixel
// operation at a time: mapPoint, getPixel, blendChannel, putPixel.
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/blend_level.h"
#include "core/picture.h"
#include "core/random_sequence.h"
#include "tests/compositing/rotation_oracle.h"

namespace oracle {

inline void stampBlock(Picture* p, int32_t x, int32_t y, const uint8_t* cells, int32_t w, int32_t h, uint32_t key) {
    if (h < 1) return;
    for (int32_t r = 0; r < h; ++r) {
        for (int32_t c = 0; c < w; ++c) {
            const uint8_t* cell = cells + (size_t(r) * size_t(w) + size_t(c)) * 4;
            if (key != 0xFFFFFFFFu && cell[0] == (key & 0xFF) && cell[1] == ((key >> 8) & 0xFF) &&
                cell[2] == ((key >> 16) & 0xFF))
                continue;
            int32_t mx = 0, my = 0;
            mapPoint(p, x + c, y + r, &mx, &my);
            uint8_t cr = 0, cg = 0, cb = 0;
            getPixel(p, mx, my, &cr, &cg, &cb);
            putPixel(p, x + c, y + r, blendChannel(cr, cell[0], cell[3]), blendChannel(cg, cell[1], cell[3]),
                     blendChannel(cb, cell[2], cell[3]));
        }
    }
}

struct Tag {
    int32_t w = 0, h = 0;
    std::vector<uint8_t> cells;  // after the loader's key-color treatment
};

// count stamps (no interruption), seeded with `seed`.
inline void stampTags(Picture* p, const std::vector<std::optional<Tag>>& tags, int32_t count, bool rotation,
                      bool antiAlias, uint32_t key, uint32_t seed) {
    const int32_t W = p->width, H = p->height;
    const double f = paintSettings().connectable ? 3.0 : 1.125;
    const int32_t RX = int32_t(f * W), RY = int32_t(f * H);
    const double d = placementMarginDivisor();
    seedRandom(seed);
    for (int32_t n = 0; n < count; ++n) {
        const int32_t x = nextRandom() % RX;
        const int32_t y = nextRandom() % RY;
        const int32_t X = int32_t(x - W / d), Y = int32_t(y - H / d);
        const int32_t i = nextRandom() % int32_t(tags.size());
        pickBlendLevel();
        if (!tags[size_t(i)]) continue;
        const Tag& t = *tags[size_t(i)];
        const int32_t a = nextRandom() % 360;
        if (a == 0 || !rotation) {
            oracle::stampBlock(p, X, Y, t.cells.data(), t.w, t.h, key);
            continue;
        }
        const Block b =
            antiAlias ? rotateAntiAliased(t.cells.data(), t.w, t.h, a) : rotateFast(t.cells.data(), t.w, t.h, a);
        oracle::stampBlock(p, X, Y, b.cells.data(), int32_t(b.w), int32_t(b.h), key);
    }
}

}  // namespace oracle
