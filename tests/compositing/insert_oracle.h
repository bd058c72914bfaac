#pragma once
// One click of the preview's tag insertion, written pixel by pixel from what it
// must come to rather than cell by cell as it is stamped. The tag's top-left cell
// lands at (pointer x rem W - tw / 2, pointer y rem H - th / 2), remainders keeping
// the dividend's sign; cell (c, r) lands c columns right and r rows down of it,
// folded into the picture in connectable mode and lost outside it otherwise. Each
// pixel of the picture then takes, in stamping order (row by row, then column by
// column), every cell that lands on it: the cell's color at the weight opacity x
// level / 255, and on top of that the blend level the paint settings hold.
#include <cstdint>

#include "core/connectable.h"
#include "core/paint_settings.h"
#include "core/picture.h"

namespace oracle {

// The tag's rows (or columns) that land on picture row (or column) `at`, in
// increasing order: `first`, then every `step` after it below `count`; a step of 0
// means one at most.
struct Landing {
    int64_t first = 0;
    int64_t step = 0;
    int64_t count = 0;
};

inline Landing landingOn(int64_t at, int64_t corner, int64_t tagSize, int64_t pictureSize, bool folded) {
    const int64_t offset = at - corner;  // the cell that lands there unfolded
    if (!folded) return offset >= 0 && offset < tagSize ? Landing{offset, 0, offset + 1} : Landing{};
    // Folded, every cell a whole number of picture sizes away lands there too.
    const int64_t first = ((offset % pictureSize) + pictureSize) % pictureSize;
    return {first, pictureSize, tagSize};
}

inline void insertTag(Picture& p, const uint8_t* cells, int32_t tw, int32_t th, int32_t px, int32_t py, uint8_t level) {
    const bool folded = paintSettings().connectable != 0;
    const uint8_t blendLevel = paintSettings().blendLevel;
    const int64_t left = int64_t(px % p.width) - tw / 2;
    const int64_t top = int64_t(py % p.height) - th / 2;
    for (int32_t y = 0; y < p.height; ++y) {
        const Landing rows = landingOn(y, top, th, p.height, folded);
        for (int32_t x = 0; x < p.width; ++x) {
            const Landing columns = landingOn(x, left, tw, p.width, folded);
            uint8_t* pixel = p.pixels + (size_t(y) * size_t(p.width) + size_t(x)) * 4;
            for (int64_t r = rows.first; r < rows.count; r += rows.step ? rows.step : rows.count) {
                for (int64_t c = columns.first; c < columns.count; c += columns.step ? columns.step : columns.count) {
                    const uint8_t* cell = cells + (size_t(r) * size_t(tw) + size_t(c)) * 4;
                    const uint8_t weight = uint8_t(uint32_t(cell[3]) * level / 255);
                    for (int k = 0; k < 3; ++k) {
                        const uint8_t towardsCell = blendChannel(pixel[k], cell[k], weight);
                        pixel[k] = blendChannel(pixel[k], towardsCell, blendLevel);
                    }
                }
            }
        }
    }
}

}  // namespace oracle
