#include "exchange/png_row_filter.h"

#include <cstdlib>
#include <cstring>

#include "core/wide_pass.h"

namespace {

constexpr size_t P = kPngPixelBytes;

inline uint32_t magnitude(uint8_t v) { return uint32_t(std::abs(int(int8_t(v)))); }

inline uint8_t paeth(int a, int b, int c) {
    const int pa = std::abs(b - c);
    const int pb = std::abs(a - c);
    const int pc = std::abs(a + b - 2 * c);
    const int ab = pa <= pb ? a : b;
    const int pab = pa <= pb ? pa : pb;
    return uint8_t(pab <= pc ? ab : c);
}

// Each measure is one branch-free loop over the row so that the compiler spreads it
// over vector lanes; the first pixel (nothing to its left) is taken apart.
struct Sums {
    uint32_t of[5];
};

WIDE_PASS_BODY Sums measureRow(const uint8_t* row, const uint8_t* above, size_t n) {
    Sums s{};
    uint32_t none = 0, sub = 0, up = 0, avg = 0, pth = 0;
    for (size_t i = 0; i < n; ++i) none += magnitude(row[i]);
    for (size_t i = 0; i < n; ++i) up += magnitude(uint8_t(row[i] - above[i]));
    const size_t head = n < P ? n : P;
    for (size_t i = 0; i < head; ++i) {
        sub += magnitude(row[i]);
        avg += magnitude(uint8_t(row[i] - (above[i] >> 1)));
        pth += magnitude(uint8_t(row[i] - above[i]));
    }
    for (size_t i = P; i < n; ++i) sub += magnitude(uint8_t(row[i] - row[i - P]));
    for (size_t i = P; i < n; ++i) avg += magnitude(uint8_t(row[i] - ((row[i - P] + above[i]) >> 1)));
    for (size_t i = P; i < n; ++i) pth += magnitude(uint8_t(row[i] - paeth(row[i - P], above[i], above[i - P])));
    s.of[0] = none;
    s.of[1] = sub;
    s.of[2] = up;
    s.of[3] = avg;
    s.of[4] = pth;
    return s;
}

WIDE_PASS_BODY void applyFilter(int type, const uint8_t* row, const uint8_t* above, size_t n, uint8_t* out) {
    const size_t head = n < P ? n : P;
    switch (type) {
    case 0:
        std::memcpy(out, row, n);
        break;
    case 1:
        for (size_t i = 0; i < head; ++i) out[i] = row[i];
        for (size_t i = P; i < n; ++i) out[i] = uint8_t(row[i] - row[i - P]);
        break;
    case 2:
        for (size_t i = 0; i < n; ++i) out[i] = uint8_t(row[i] - above[i]);
        break;
    case 3:
        for (size_t i = 0; i < head; ++i) out[i] = uint8_t(row[i] - (above[i] >> 1));
        for (size_t i = P; i < n; ++i) out[i] = uint8_t(row[i] - ((row[i - P] + above[i]) >> 1));
        break;
    default:
        for (size_t i = 0; i < head; ++i) out[i] = uint8_t(row[i] - above[i]);
        for (size_t i = P; i < n; ++i) out[i] = uint8_t(row[i] - paeth(row[i - P], above[i], above[i - P]));
        break;
    }
}

WIDE_PASS_BODY int filterRowBody(const uint8_t* row, const uint8_t* above, size_t n, uint8_t* out) {
    const Sums s = measureRow(row, above, n);
    int best = 0;
    for (int t = 1; t < 5; ++t)
        if (s.of[t] < s.of[best]) best = t;
    out[0] = uint8_t(best);
    applyFilter(best, row, above, n, out + 1);
    return best;
}

}  // namespace

PngRowFilter filterPngRow(const uint8_t* row, const uint8_t* above, size_t rowBytes, uint8_t* out) {
    return PngRowFilter(widePass<filterRowBody>(row, above, rowBytes, out));
}
