#include "compositing/rotate_block.h"

#include <algorithm>
#include <new>

#include "compositing/rotate_anti_aliased.h"
#include "compositing/rotate_fast.h"
#include "core/picture.h"

bool blockSizeAllowed(int64_t width, int64_t height) {
    return width >= 0 && height >= 0 && width <= INT32_MAX && height <= INT32_MAX &&
           (width == 0 || height <= kMaxPicturePixels / width);
}

CellSize turnedSize(int32_t w, int32_t h, double angle, bool antiAlias) {
    if (antiAlias) {
        const AntiAliasedRotation g = antiAliasedRotation(w, h, angle);
        return {g.width, g.height};
    }
    return fastRotatedSize(w, h, angle);
}

std::optional<TagImage> rotateBlockWindow(const uint8_t* cells, int32_t w, int32_t h, double angle, bool antiAlias,
                                          CellRect window, CellRect* clipped) {
    if (w < 0 || h < 0) w = h = 0;
    const CellSize size = turnedSize(w, h, angle, antiAlias);
    const int64_t x0 = std::max<int64_t>(window.x, 0), y0 = std::max<int64_t>(window.y, 0);
    const int64_t x1 = std::min<int64_t>(int64_t(window.x) + window.width, size.width);
    const int64_t y1 = std::min<int64_t>(int64_t(window.y) + window.height, size.height);
    const int64_t cw = std::max<int64_t>(0, x1 - x0), ch = std::max<int64_t>(0, y1 - y0);
    if (!blockSizeAllowed(cw, ch)) return std::nullopt;
    const CellRect part{int32_t(cw ? x0 : 0), int32_t(ch ? y0 : 0), int32_t(cw), int32_t(ch)};
    if (clipped) *clipped = part;
    TagImage out;
    try {
        out = blankTagImage(part.width, part.height);
        if (antiAlias) {
            rotateAntiAliasedInto(cells, w, h, angle, part, out.pixels.data());
        } else {
            rotateFastInto(cells, w, h, angle, part, out.pixels.data());
        }
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    return out;
}

std::optional<TagImage> rotateBlock(const uint8_t* cells, int32_t w, int32_t h, double angle, bool antiAlias) {
    if (w < 0 || h < 0) w = h = 0;
    const CellSize size = turnedSize(w, h, angle, antiAlias);
    if (!blockSizeAllowed(size.width, size.height)) return std::nullopt;
    return rotateBlockWindow(cells, w, h, angle, antiAlias, CellRect{0, 0, int32_t(size.width), int32_t(size.height)},
                             nullptr);
}
