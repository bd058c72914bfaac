#include "filters/seam_measure.h"

#include <cstdlib>

#include "filters/wide_paths.h"

namespace {

FILTER_PASS_BODY uint32_t channelDistance(const uint8_t* a, const uint8_t* b) {
    return uint32_t(std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]));
}

SeamAxis axisFrom(uint64_t wrapSum, uint64_t wrapCount, uint64_t insideSum, uint64_t insideCount) {
    SeamAxis axis;
    axis.wrap = wrapCount ? double(wrapSum) / double(wrapCount) : 0.0;
    axis.inside = insideCount ? double(insideSum) / double(insideCount) : 0.0;
    axis.ratio = axis.inside > 0.0 ? axis.wrap / axis.inside : 1.0;
    return axis;
}

FILTER_PASS_BODY SeamMeasure measureBody(const Picture& picture) {
    const int32_t width = picture.width;
    const int32_t height = picture.height;
    SeamMeasure m;
    if (width < 1 || height < 1) return m;
    const size_t stride = size_t(width) * 4;

    uint64_t colWrap = 0, colInside = 0, rowWrap = 0, rowInside = 0;
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* row = picture.pixels + size_t(y) * stride;
        for (int32_t x = 0; x + 1 < width; ++x)
            colInside += channelDistance(row + size_t(x) * 4, row + size_t(x + 1) * 4);
        colWrap += channelDistance(row + size_t(width - 1) * 4, row);
        if (y + 1 < height) {
            const uint8_t* next = row + stride;
            for (int32_t x = 0; x < width; ++x) rowInside += channelDistance(row + size_t(x) * 4, next + size_t(x) * 4);
        }
    }
    const uint8_t* first = picture.pixels;
    const uint8_t* last = picture.pixels + size_t(height - 1) * stride;
    for (int32_t x = 0; x < width; ++x) rowWrap += channelDistance(last + size_t(x) * 4, first + size_t(x) * 4);

    const uint64_t h = uint64_t(height), w = uint64_t(width);
    m.columns = axisFrom(colWrap, h * 3, colInside, h * (w - 1) * 3);
    m.rows = axisFrom(rowWrap, w * 3, rowInside, w * (h - 1) * 3);
    return m;
}

}  // namespace

SeamMeasure seamMeasure(const Picture& picture) { return widePass<measureBody>(picture); }
