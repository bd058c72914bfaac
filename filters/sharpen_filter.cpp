#include "filters/sharpen_filter.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "core/connectable.h"
#include "core/parallel.h"
#include "core/wide_pass.h"

SharpenTables sharpenTables(int32_t sharpenPercent) {
    SharpenTables t;
    // 64-bit so that any stored strength, however far out of range, stays defined.
    int64_t f = 100 - int64_t(sharpenPercent);
    if (f < 1) f = 1;
    for (int32_t v = 0; v < 256; ++v) {
        t.pos[v] = int32_t((800 * int64_t(v)) / f);
        t.neg[v] = (t.pos[v] - 8 * v + 4) >> 3;
    }
    return t;
}

namespace {

// One picture row as the kernel needs it, four entries per pixel like the plane: neg[]
// of each channel (every neg value lies in -255..25245, so 16 bits hold it) and pos[]
// of each channel. The fourth entry is set so that the kernel turns alpha into 255
// without a special case: neg 0 and pos 8 * 255.
struct WeighedRow {
    std::vector<int16_t> neg;
    std::vector<int32_t> pos;
    explicit WeighedRow(size_t n) : neg(n), pos(n) {}
};

WIDE_PASS_BODY void weighBody(const uint8_t* __restrict row, int32_t width, const SharpenTables& t, WeighedRow& out) {
    int16_t* __restrict neg = out.neg.data();
    int32_t* __restrict pos = out.pos.data();
    const int32_t n = width * 4;
    for (int32_t i = 0; i < n; i += 4) {
        pos[i + 0] = t.pos[row[i + 0]];
        pos[i + 1] = t.pos[row[i + 1]];
        pos[i + 2] = t.pos[row[i + 2]];
        pos[i + 3] = 8 * 255;
    }
    // neg follows from pos without a second table look-up; alpha (always 255) gives 0.
    for (int32_t i = 0; i < n; ++i) neg[i] = int16_t((pos[i] - 8 * int32_t(row[i]) + 4) >> 3);
}

inline uint8_t kernelValue(int32_t pos, int32_t neighbours) {
    const int32_t v = (pos - neighbours + 4) >> 3;
    return uint8_t(v < 0 ? 0 : v > 255 ? 255 : v);
}

// The kernel over a run of channel entries whose left and right neighbours (4 entries
// away) are in `columns`. Restrict-qualified so the loop can run several entries at once.
WIDE_PASS_BODY void kernelSpan(uint8_t* __restrict row, const int32_t* __restrict pos, const int16_t* __restrict mid,
                               const int32_t* __restrict columns, int32_t count, uint32_t level) {
    if (level == 255) {
        for (int32_t i = 0; i < count; ++i) {
            const int32_t v = (pos[i] - (columns[i - 4] + columns[i] + columns[i + 4] - mid[i]) + 4) >> 3;
            row[i] = uint8_t(std::min(std::max(v, 0), 255));
        }
    } else {
        for (int32_t i = 0; i < count; ++i) {
            const int32_t v = (pos[i] - (columns[i - 4] + columns[i] + columns[i + 4] - mid[i]) + 4) >> 3;
            const uint32_t k = uint32_t(std::min(std::max(v, 0), 255));
            row[i] = blendChannel(row[i], k, level);
        }
    }
}

// Sharpens pixels [x0, x1) of one row in place from the weights of the rows above, at
// and below it as they were before the pass; `columns` is scratch for vertical sums.
// Columns outside [0, width) wrap, which only the connectable pass asks for (x0 = 0,
// x1 = width).
WIDE_PASS_BODY void sharpenBody(uint8_t* row, int32_t width, int32_t x0, int32_t x1, const WeighedRow& up,
                                const WeighedRow& mid, const WeighedRow& down, int32_t* columns, uint32_t level) {
    const int32_t n = width * 4;
    const int16_t* u = up.neg.data();
    const int16_t* m = mid.neg.data();
    const int16_t* d = down.neg.data();
    const int32_t* pos = mid.pos.data();
    for (int32_t i = 0; i < n; ++i) columns[i] = int32_t(u[i]) + m[i] + d[i];

    // Pixels whose left and right neighbours are inside the row: one straight pass.
    const int32_t begin = std::max(x0, 1) * 4;
    const int32_t end = std::min(x1, width - 1) * 4;
    if (begin < end) kernelSpan(row + begin, pos + begin, m + begin, columns + begin, end - begin, level);

    // The first and last pixels of a wrapped row take their neighbours across the edge.
    auto wrapped = [&](int32_t x) {
        const int32_t i = x * 4;
        const int32_t l = ((x + width - 1) % width) * 4;
        const int32_t r = ((x + 1) % width) * 4;
        for (int32_t c = 0; c < 4; ++c) {
            const uint8_t k = kernelValue(pos[i + c], columns[l + c] + columns[i + c] + columns[r + c] - m[i + c]);
            row[i + c] = level == 255 ? k : blendChannel(row[i + c], k, level);
        }
    };
    if (x0 == 0 && x1 > 0) wrapped(0);
    if (x1 == width && width > 1 && width - 1 >= x0) wrapped(width - 1);
}

constexpr auto weighRow = widePass<weighBody>;
constexpr auto sharpenRow = widePass<sharpenBody>;

// Rows in a band at least: fewer are not worth a thread's start.
constexpr int64_t kRowsPerBand = 16;

// The buffers of one band of rows: the weights of the row above its first row and of
// the row below its last one, taken before any band writes (the neighbouring bands
// rewrite those rows), three rows the band weighs itself and the column sums.
struct BandRows {
    WeighedRow above, below, a, b, c;
    std::vector<int32_t> columns;
    explicit BandRows(size_t n) : above(n), below(n), a(n), b(n), c(n), columns(n) {}
};

// Sharpens rows [first, first + count) of the picture, pixels [x0, x1) of each, every
// row from the three rows around it as they were before the pass. Rows past the top or
// bottom are the wrapped ones (only the connectable pass reaches them).
void sharpenRowRange(Picture* picture, int32_t first, int32_t count, int32_t x0, int32_t x1, int32_t sharpenPercent) {
    const int32_t width = picture->width;
    const int32_t height = picture->height;
    const SharpenTables t = sharpenTables(sharpenPercent);
    const uint32_t level = paintSettings().blendLevel;
    const size_t stride = size_t(width) * 4;
    uint8_t* pixels = picture->pixels;
    auto rowAt = [&](int64_t y) { return pixels + size_t(wrapIndex(y, height)) * stride; };

    const int64_t bands = parallelBandCount(count, kRowsPerBand);
    std::vector<BandRows> rows;
    rows.reserve(size_t(bands));
    for (int64_t b = 0; b < bands; ++b) rows.emplace_back(stride);

    parallelBands(count, bands, [&](int64_t band, int64_t begin, int64_t end) {
        weighRow(rowAt(first + begin - 1), width, t, rows[size_t(band)].above);
        weighRow(rowAt(first + end), width, t, rows[size_t(band)].below);
    });
    parallelBands(count, bands, [&](int64_t band, int64_t begin, int64_t end) {
        BandRows& r = rows[size_t(band)];
        WeighedRow* spare[3] = {&r.a, &r.b, &r.c};
        const WeighedRow* up = &r.above;
        weighRow(rowAt(first + begin), width, t, *spare[0]);
        const WeighedRow* mid = spare[0];
        for (int64_t i = begin; i < end; ++i) {
            const int64_t y = first + i;
            const WeighedRow* down = &r.below;
            if (i + 1 < end) {
                // One of the three is neither the row above nor the middle one.
                int k = 0;
                while (spare[k] == up || spare[k] == mid) ++k;
                WeighedRow* next = spare[k];
                weighRow(rowAt(y + 1), width, t, *next);
                down = next;
            }
            sharpenRow(rowAt(y), width, x0, x1, *up, *mid, *down, r.columns.data(), level);
            up = mid;
            mid = down;
        }
    });
}

}  // namespace

void sharpenRows(Picture* picture, int32_t sharpenPercent) {
    if (!picture) return;
    const int32_t width = picture->width;
    const int32_t height = picture->height;
    if (width < 3 || height < 3) return;
    // The first and last rows and columns are left as they are.
    sharpenRowRange(picture, 1, height - 2, 1, width - 1, sharpenPercent);
}

void sharpenFilter(Picture* picture, int32_t sharpenPercent, bool connectable) {
    if (!picture) return;
    if (!connectable) {
        sharpenRows(picture, sharpenPercent);
        return;
    }
    const int32_t width = picture->width;
    const int32_t height = picture->height;
    if (width < 1 || height < 1) return;
    // Same result as sharpening a copy surrounded by a wide border of wrapped pixels and
    // taking its middle back: every row's neighbours are the wrapped rows, every
    // column's the wrapped columns.
    sharpenRowRange(picture, 0, height, 0, width, sharpenPercent);
}
