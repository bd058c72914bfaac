#include "filters/sharpen_filter.h"

#include <algorithm>
#include <utility>
#include <vector>

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

// neg[] of one picture row, four entries per pixel like the plane (the fourth unused).
// Every neg value lies in -255..25245, so 16 bits hold it.
using NegRow = std::vector<int16_t>;

void weighRow(const uint8_t* row, int32_t width, const SharpenTables& t, int16_t* out) {
    for (int32_t i = 0; i < width * 4; i += 4) {
        out[i + 0] = int16_t(t.neg[row[i + 0]]);
        out[i + 1] = int16_t(t.neg[row[i + 1]]);
        out[i + 2] = int16_t(t.neg[row[i + 2]]);
        out[i + 3] = 0;
    }
}

inline uint8_t kernelValue(const SharpenTables& t, uint8_t c, int32_t neighbours) {
    return uint8_t(std::clamp((t.pos[c] - neighbours + 4) >> 3, 0, 255));
}

inline uint8_t blended(uint8_t current, uint8_t next, uint32_t level) {
    return level == 255 ? next : blendChannel(current, next, level);
}

// Sharpens pixels [x0, x1) of one row in place. `up`, `mid` and `down` are the weights
// of the rows above, at and below it as they were before the pass; `columns` is the
// scratch of vertical sums. Columns outside [0, width) wrap, which only the connectable
// pass asks for (x0 = 0, x1 = width).
void sharpenRow(uint8_t* row, int32_t width, int32_t x0, int32_t x1, const int16_t* up, const int16_t* mid,
                const int16_t* down, int32_t* columns, const SharpenTables& t, uint32_t level) {
    const int32_t n = width * 4;
    for (int32_t i = 0; i < n; ++i) columns[i] = int32_t(up[i]) + mid[i] + down[i];

    auto sharpenAt = [&](int32_t x, int32_t left, int32_t right) {
        const int32_t i = x * 4, l = left * 4, r = right * 4;
        for (int32_t c = 0; c < 3; ++c) {
            const int32_t around = columns[l + c] + columns[i + c] + columns[r + c] - mid[i + c];
            row[i + c] = blended(row[i + c], kernelValue(t, row[i + c], around), level);
        }
        row[i + 3] = 255;
    };

    int32_t x = x0;
    if (x == 0 && x < x1) {
        sharpenAt(0, width - 1, width > 1 ? 1 : 0);
        ++x;
    }
    const int32_t inner = std::min(x1, width - 1);
    if (level == 255) {
        for (; x < inner; ++x) {
            const int32_t i = x * 4;
            for (int32_t c = 0; c < 3; ++c) {
                const int32_t around = columns[i - 4 + c] + columns[i + c] + columns[i + 4 + c] - mid[i + c];
                row[i + c] = kernelValue(t, row[i + c], around);
            }
            row[i + 3] = 255;
        }
    } else {
        for (; x < inner; ++x) sharpenAt(x, x - 1, x + 1);
    }
    if (x < x1) sharpenAt(x, x - 1, (x + 1) % width);
}

} // namespace

void sharpenRows(Picture* picture, int32_t sharpenPercent) {
    if (!picture) return;
    const int32_t width = picture->width;
    const int32_t height = picture->height;
    if (width < 3 || height < 3) return;

    const SharpenTables t = sharpenTables(sharpenPercent);
    const uint32_t level = paintSettings().blendLevel;
    const size_t n = size_t(width) * 4;
    const size_t stride = n;
    NegRow a(n), b(n), c(n);
    std::vector<int32_t> columns(n);
    int16_t* up = a.data();
    int16_t* mid = b.data();
    int16_t* down = c.data();

    // The first and last rows and columns are left as they are; every other pixel is
    // computed from weights taken before its row is rewritten.
    weighRow(picture->pixels, width, t, up);
    weighRow(picture->pixels + stride, width, t, mid);
    for (int32_t y = 1; y < height - 1; ++y) {
        uint8_t* row = picture->pixels + size_t(y) * stride;
        weighRow(row + stride, width, t, down);
        sharpenRow(row, width, 1, width - 1, up, mid, down, columns.data(), t, level);
        std::swap(up, mid);
        std::swap(mid, down);
    }
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
    // column's the wrapped columns. Row 0 is rewritten first and is the last row's lower
    // neighbour, so its weights are kept aside.
    const SharpenTables t = sharpenTables(sharpenPercent);
    const uint32_t level = paintSettings().blendLevel;
    const size_t stride = size_t(width) * 4;
    NegRow first(stride), a(stride), b(stride), c(stride);
    std::vector<int32_t> columns(stride);
    uint8_t* pixels = picture->pixels;

    weighRow(pixels, width, t, first.data());
    int16_t* up = a.data();
    int16_t* mid = b.data();
    int16_t* down = c.data();
    weighRow(pixels + size_t(height - 1) * stride, width, t, up);
    std::copy(first.begin(), first.end(), mid);
    for (int32_t y = 0; y < height; ++y) {
        uint8_t* row = pixels + size_t(y) * stride;
        if (y + 1 < height) {
            weighRow(row + stride, width, t, down);
        } else {
            std::copy(first.begin(), first.end(), down);
        }
        sharpenRow(row, width, 0, width, up, mid, down, columns.data(), t, level);
        std::swap(up, mid);
        std::swap(mid, down);
    }
}
