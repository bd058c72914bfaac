#include "filters/seam_tally.h"

#include <algorithm>
#include <cstdlib>

#include "core/connectable.h"
#include "core/parallel.h"
#include "core/wide_pass.h"

namespace {

WIDE_PASS_BODY uint32_t distance(const uint8_t* a, const uint8_t* b) {
    return uint32_t(std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]));
}

const uint8_t* cellAt(const Picture& p, int32_t x, int32_t y) {
    return p.pixels + (size_t(y) * size_t(p.width) + size_t(x)) * 4;
}

void wrapSums(const Picture& p, SeamTally& t) {
    t.columnWrap = 0;
    t.rowWrap = 0;
    for (int32_t y = 0; y < p.height; ++y) t.columnWrap += distance(cellAt(p, p.width - 1, y), cellAt(p, 0, y));
    for (int32_t x = 0; x < p.width; ++x) t.rowWrap += distance(cellAt(p, x, p.height - 1), cellAt(p, x, 0));
}

// The inside sums of rows [y0, y1): pairs of neighbouring columns within those rows,
// and pairs of each of those rows with the row below.
WIDE_PASS_BODY SeamInsideSums insideBody(const Picture& p, int32_t y0, int32_t y1) {
    const size_t stride = size_t(p.width) * 4;
    uint64_t columns = 0, rows = 0;
    for (int32_t y = y0; y < y1; ++y) {
        const uint8_t* row = p.pixels + size_t(y) * stride;
        uint64_t c = 0;
        for (size_t i = 0; i + 4 < stride; i += 4) c += distance(row + i, row + i + 4);
        columns += c;
        if (y + 1 < p.height) {
            uint64_t r = 0;
            for (size_t i = 0; i < stride; i += 4) r += distance(row + i, row + stride + i);
            rows += r;
        }
    }
    return SeamInsideSums{columns, rows};
}

constexpr auto insideSums = widePass<insideBody>;

// Rows in a band at least: fewer are not worth a thread's start.
constexpr int64_t kRowsPerBand = 16;

SeamAxis axisOf(uint64_t wrapSum, uint64_t wrapCount, uint64_t insideSum, uint64_t insideCount) {
    SeamAxis axis;
    axis.wrap = wrapCount ? double(wrapSum) / double(wrapCount) : 0.0;
    axis.inside = insideCount ? double(insideSum) / double(insideCount) : 0.0;
    axis.ratio = axis.inside > 0.0 ? axis.wrap / axis.inside : 1.0;
    return axis;
}

// Marks the folded span [from, from + length) of an axis of `size` cells.
void markSpan(std::vector<uint8_t>& marks, int64_t from, int64_t length, bool wrap) {
    const int64_t size = int64_t(marks.size());
    if (length <= 0 || size == 0) return;
    if (!wrap) {
        const int64_t a = std::max<int64_t>(from, 0), b = std::min<int64_t>(from + length, size);
        for (int64_t i = a; i < b; ++i) marks[size_t(i)] = 1;
        return;
    }
    if (length >= size) {
        std::fill(marks.begin(), marks.end(), uint8_t(1));
        return;
    }
    const int64_t start = wrapIndex(from, size);
    for (int64_t i = 0; i < length; ++i) marks[size_t(wrapIndex(start + i, size))] = 1;
}

}  // namespace

SeamTally seamTally(const Picture& picture) {
    SeamTally t;
    if (picture.width < 1 || picture.height < 1 || !picture.pixels) return t;
    t.width = picture.width;
    t.height = picture.height;
    // Whole sums of integers: each band adds its own, in any order.
    const int64_t bands = parallelBandCount(picture.height, kRowsPerBand);
    std::vector<SeamInsideSums> partial(static_cast<size_t>(bands));
    parallelBands(picture.height, bands, [&](int64_t band, int64_t begin, int64_t end) {
        partial[size_t(band)] = insideSums(picture, int32_t(begin), int32_t(end));
    });
    for (const SeamInsideSums& s : partial) {
        t.columnInside += s.columns;
        t.rowInside += s.rows;
    }
    wrapSums(picture, t);
    return t;
}

SeamMeasure seamMeasureOf(const SeamTally& t) {
    SeamMeasure m;
    if (t.width < 1 || t.height < 1) return m;
    const uint64_t w = uint64_t(t.width), h = uint64_t(t.height);
    m.columns = axisOf(t.columnWrap, h * 3, t.columnInside, h * (w - 1) * 3);
    m.rows = axisOf(t.rowWrap, w * 3, t.rowInside, w * (h - 1) * 3);
    return m;
}

SeamRegion seamRegion(const Picture& picture, int64_t x, int64_t y, int64_t width, int64_t height, bool wrap) {
    SeamRegion region;
    if (picture.width < 1 || picture.height < 1) return region;
    region.columns.assign(size_t(picture.width), 0);
    region.rows.assign(size_t(picture.height), 0);
    markSpan(region.columns, x, width, wrap);
    markSpan(region.rows, y, height, wrap);
    region.any = std::find(region.columns.begin(), region.columns.end(), 1) != region.columns.end() &&
                 std::find(region.rows.begin(), region.rows.end(), 1) != region.rows.end();
    return region;
}

SeamInsideSums seamInsideSums(const Picture& p, const SeamRegion& region) {
    SeamInsideSums sums;
    if (!region.any || region.columns.size() != size_t(p.width) || region.rows.size() != size_t(p.height)) {
        return sums;
    }
    // Pairs (x, x + 1) with either side in a marked column, in every marked row; pairs
    // (y, y + 1) with either side in a marked row, in every marked column.
    std::vector<int32_t> pairColumns, markedColumns, pairRows, markedRows;
    for (int32_t x = 0; x < p.width; ++x) {
        if (region.columns[size_t(x)]) markedColumns.push_back(x);
        if (x + 1 < p.width && (region.columns[size_t(x)] || region.columns[size_t(x) + 1])) pairColumns.push_back(x);
    }
    for (int32_t y = 0; y < p.height; ++y) {
        if (region.rows[size_t(y)]) markedRows.push_back(y);
        if (y + 1 < p.height && (region.rows[size_t(y)] || region.rows[size_t(y) + 1])) pairRows.push_back(y);
    }
    for (int32_t y : markedRows) {
        for (int32_t x : pairColumns) sums.columns += distance(cellAt(p, x, y), cellAt(p, x + 1, y));
    }
    for (int32_t y : pairRows) {
        for (int32_t x : markedColumns) sums.rows += distance(cellAt(p, x, y), cellAt(p, x, y + 1));
    }
    return sums;
}

void updateSeamTally(SeamTally& tally, const Picture& picture, const SeamRegion& region, const SeamInsideSums& before) {
    if (tally.width != picture.width || tally.height != picture.height) {
        tally = seamTally(picture);
        return;
    }
    const SeamInsideSums after = seamInsideSums(picture, region);
    tally.columnInside = tally.columnInside - before.columns + after.columns;
    tally.rowInside = tally.rowInside - before.rows + after.rows;
    wrapSums(picture, tally);
}
