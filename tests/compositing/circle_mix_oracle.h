#pragma once
// Circle mix written from its definition, one pixel operation at a time, with the
// whole rotated square made for every rotated disc.
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "compositing/circle_mix_params.h"
#include "core/blend_level.h"
#include "core/coverage_mask.h"
#include "core/picture.h"
#include "core/random_sequence.h"
#include "tests/compositing/rotation_oracle.h"
#include "tests/compositing/stamp_oracle.h"

namespace oracle {

inline void blendDisc(Picture* p, CoverageMask* mask, int32_t x, int32_t y, const uint8_t* block, int64_t bw,
                      int64_t bh, int64_t cx, int64_t cy, int64_t r, int64_t mix, int64_t o) {
    for (int64_t dy = -r; dy <= r - 1; ++dy) {
        for (int64_t dx = -r; dx <= r - 1; ++dx) {
            const double d = std::sqrt(double(dx * dx + dy * dy));
            if (d >= r) continue;
            double c;
            if (o != 0) {
                const double R0 = double(o) / 100 * r;
                c = d < R0 ? 1 : 1 - (d - R0) / (r - R0);
            } else {
                c = 1 - d / r;
            }
            if (cx + dx >= bw || cy + dy >= bh) continue;
            const uint8_t* s = block + ((cx + dx) + (cy + dy) * bw) * 4;
            const double k = c * mix / 100;
            int32_t mx = 0, my = 0;
            mapPoint(p, int32_t(x + dx), int32_t(y + dy), &mx, &my);
            uint8_t cur[3] = {0, 0, 0};
            getPixel(p, mx, my, &cur[0], &cur[1], &cur[2]);
            const uint8_t L = uint8_t(int64_t(s[3] * k));
            putPixel(p, int32_t(x + dx), int32_t(y + dy), blendChannel(cur[0], s[0], L), blendChannel(cur[1], s[1], L),
                     blendChannel(cur[2], s[2], L));
            uint8_t old = 0;
            getMask(mask, int32_t(x + dx), int32_t(y + dy), &old);
            const double v = s[3] * c;
            setMask(mask, int32_t(x + dx), int32_t(y + dy), v > old ? uint8_t(v) : old);
        }
    }
}

inline int64_t mod(int64_t v, int64_t n) { return n == 0 ? 0 : v % n; }

inline void drawMixDisc(const std::vector<std::optional<Tag>>& set, CoverageMask* mask, int32_t i, Picture* p,
                        int32_t x, int32_t y, const StoredCircleMix& q, bool aa) {
    const int64_t mix = q.mixMaxPercent > q.mixMinPercent
                            ? q.mixMinPercent + nextRandom() % (int64_t(q.mixMaxPercent) - q.mixMinPercent)
                            : q.mixMinPercent;
    int64_t o = 0;
    if (q.opaqueMinPercent == 0 || q.opaqueMinPercent > q.opaqueMaxPercent) {
        o = 0;
    } else if (q.opaqueMinPercent == q.opaqueMaxPercent) {
        o = q.opaqueMinPercent;
    } else {
        o = q.opaqueMinPercent + nextRandom() % (int64_t(q.opaqueMaxPercent) - q.opaqueMinPercent);
    }
    const int64_t r =
        q.radiusMax > q.radiusMin ? q.radiusMin + nextRandom() % (int64_t(q.radiusMax) - q.radiusMin) : q.radiusMin;
    const Tag& t = *set[size_t(i)];
    if (t.w - 2 * r <= 0 || t.h - 2 * r <= 0) return;
    const int64_t cx = r + nextRandom() % (t.w - 2 * r);
    const int64_t cy = r + nextRandom() % (t.h - 2 * r);
    pickBlendLevel();
    const int32_t a = nextRandom() % 360;
    if (!q.discRotation || a == 0) {
        blendDisc(p, mask, x, y, t.cells.data(), t.w, t.h, cx, cy, r, mix, o);
        return;
    }
    const int64_t side = 4 * r;
    const int64_t ncx = 2 * r + mod(nextRandom(), t.w - side);
    const int64_t ncy = 2 * r + mod(nextRandom(), t.h - side);
    std::vector<uint8_t> square(size_t(side * side * 4), 0);
    for (int64_t row = 0; row < side; ++row)
        for (int64_t col = 0; col < side; ++col) {
            const int64_t sx = ncx - 2 * r + col, sy = ncy - 2 * r + row;
            if (sx < 0 || sy < 0 || sx >= t.w || sy >= t.h) continue;
            for (int k = 0; k < 4; ++k)
                square[size_t((col + row * side) * 4 + k)] = t.cells[size_t((sx + sy * t.w) * 4 + k)];
        }
    const Block b = aa ? rotateAntiAliased(square.data(), int32_t(side), int32_t(side), a)
                       : rotateFast(square.data(), int32_t(side), int32_t(side), a);
    blendDisc(p, mask, x, y, b.cells.data(), b.w, b.h, b.w / 2, b.h / 2, r, mix, o);
}

// The random phase of `count` discs, then plugging when set; no interruption.
inline void mixCircles(Picture* p, CoverageMask* mask, const std::vector<std::optional<Tag>>& set,
                       const StoredCircleMix& q, bool aa, uint32_t seed) {
    const int64_t W = p->width, H = p->height;
    const bool on = paintSettings().connectable;
    const int64_t RX = on ? 2 * W : W + 2 * int64_t(q.radiusMax), RY = on ? 2 * H : H + 2 * int64_t(q.radiusMax);
    const int32_t n = int32_t(set.size());
    seedRandom(seed);
    for (int32_t disc = 0; disc < q.discCount; ++disc) {
        const int32_t x = int32_t(mod(nextRandom(), RX));
        const int32_t y = int32_t(mod(nextRandom(), RY));
        const int32_t i = nextRandom() % n;
        if (set[size_t(i)]) drawMixDisc(set, mask, i, p, x, y, q, aa);
    }
    if (!q.plug) return;
    for (;;) {
        bool found = false;
        for (int32_t y = 0; y < H; ++y)
            for (int32_t x = 0; x < W; ++x) {
                uint8_t v = 0;
                getMask(mask, x, y, &v);
                if (v >= 240) continue;
                found = true;
                int32_t run = 0;
                for (uint8_t m = 0; x + run < W && getMask(mask, x + run, y, &m) && m < 240;) ++run;
                const int32_t cx = x + run / 2;
                int32_t down = 0;
                for (uint8_t m = 0; y + down < H && getMask(mask, cx, y + down, &m) && m < 240;) ++down;
                const int32_t cy = y + down / 2;
                int32_t i = nextRandom() % n, draws = 1;
                while (!set[size_t(i)]) {
                    if (draws == 4 * n) return;
                    i = nextRandom() % n;
                    ++draws;
                }
                drawMixDisc(set, mask, i, p, cx, cy, q, aa);
            }
        if (!found) return;
    }
}

}  // namespace oracle
