#include "compositing/rotate_anti_aliased.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <vector>

#include "compositing/pixel_overlap_area.h"
#include "compositing/rotation_math.h"

namespace {

// Signs of the corners of a square: 0 top-left, 1 top-right, 2 bottom-right, 3 bottom-left.
constexpr double kSignX[4] = {-1.0, 1.0, 1.0, -1.0};
constexpr double kSignY[4] = {-1.0, -1.0, 1.0, 1.0};

// Folds the angle into [0, 360) by whole rotations of its integer part.
double foldAngle(double a) {
    if (std::fabs(a) >= 1e15) return std::fmod(a, 360.0) + (a < 0 ? 360.0 : 0.0);
    int64_t q = static_cast<int64_t>(a) / 360;
    if (a < 0) q -= 1;
    return a - 360.0 * double(q);
}

// One accumulator per destination cell: the four byte sums and the area.
struct Sums {
    double channel[4];
    double area;
};

// Rows of the window worked on at once: the accumulators of a band stay within about
// two megabytes, and a band is never less than four rows.
int32_t bandRows(int32_t windowWidth) {
    const int64_t perRow = int64_t(windowWidth) * int64_t(sizeof(Sums));
    const int64_t rows = (int64_t(2) << 20) / (perRow > 0 ? perRow : 1);
    return int32_t(std::clamp<int64_t>(rows, 4, 256));
}

// The source rows j of column i whose rotated squares can reach destination rows
// [top, bottom): a generous superset, narrowed cell by cell afterwards.
void candidateRows(const AntiAliasedRotation& g, int32_t i, int32_t h, int64_t top, int64_t bottom, int32_t* first,
                   int32_t* last) {
    // Centre row of the rotated square of (i, j): base + j * c, within 0.71 of every corner.
    const double base = g.u + (double(i) - g.hw + 0.5) * g.s + (0.5 - g.hh) * g.c;
    const double lo = double(top) - 3.0, hi = double(bottom) + 3.0;
    if (std::fabs(g.c) * double(h) < 0.5) {
        const bool hit = base >= lo - 0.5 && base <= hi + 0.5;
        *first = hit ? 0 : 1;
        *last = hit ? h - 1 : 0;
        return;
    }
    double a = (lo - base) / g.c, b = (hi - base) / g.c;
    if (a > b) std::swap(a, b);
    const double f = std::max(std::floor(a) - 1.0, 0.0), l = std::min(std::ceil(b) + 1.0, double(h - 1));
    if (!(f <= l)) {
        *first = 1;
        *last = 0;
        return;
    }
    *first = int32_t(f);
    *last = int32_t(l);
}

}  // namespace

AntiAliasedRotation antiAliasedRotation(int32_t w, int32_t h, double angle) {
    AntiAliasedRotation g;
    if (w < 0 || h < 0 || !std::isfinite(angle)) return g;
    const double theta = foldAngle(angle);
    g.c = cosDegrees(theta);
    g.s = cosDegrees(theta + 90.0);
    const int b = int((static_cast<int64_t>(theta) / 90) % 4);
    g.cornerB = b;
    g.cornerC = (b + 1) % 4;
    g.cornerD = (b + 2) % 4;
    g.cornerE = (b + 3) % 4;
    g.hw = w / 2.0;
    g.hh = h / 2.0;
    g.t = kSignX[g.cornerD] * g.hw * g.c - kSignY[g.cornerD] * g.hh * g.s;
    g.u = kSignY[g.cornerE] * g.hh * g.c + kSignX[g.cornerE] * g.hw * g.s;
    g.width = std::max<int64_t>(0, ceilTolerant(2.0 * g.t));
    g.height = std::max<int64_t>(0, ceilTolerant(2.0 * g.u));
    return g;
}

void rotateAntiAliasedInto(const uint8_t* cells, int32_t w, int32_t h, double angle, const CellRect& window,
                           uint8_t* out) {
    if (window.width <= 0 || window.height <= 0) return;
    std::memset(out, 0, size_t(window.width) * size_t(window.height) * 4);
    if (w <= 0 || h <= 0) return;
    const AntiAliasedRotation g = antiAliasedRotation(w, h, angle);
    const double c = g.c, s = g.s;
    const int64_t winLeft = window.x, winRight = int64_t(window.x) + window.width;
    const int32_t band = bandRows(window.width);
    std::vector<Sums> sums(size_t(window.width) * size_t(std::min(band, window.height)));

    // Per column and per row, the parts of the rotated corners that depend on one of
    // them only: x = (t + px * c) - py * s and y = (u + px * s) + py * c.
    const size_t columns = size_t(w), sourceRows = size_t(h);
    std::vector<double> colX0(columns), colX1(columns), colY0(columns), colY1(columns);
    for (int32_t i = 0; i < w; ++i) {
        const double n = double(i) - g.hw, n1 = n + 1.0;
        colX0[size_t(i)] = g.t + n * c;
        colX1[size_t(i)] = g.t + n1 * c;
        colY0[size_t(i)] = g.u + n * s;
        colY1[size_t(i)] = g.u + n1 * s;
    }
    std::vector<double> rowS0(sourceRows), rowS1(sourceRows), rowC0(sourceRows), rowC1(sourceRows);
    for (int32_t j = 0; j < h; ++j) {
        const double m = double(j) - g.hh, m1 = m + 1.0;
        rowS0[size_t(j)] = m * s;
        rowS1[size_t(j)] = m1 * s;
        rowC0[size_t(j)] = m * c;
        rowC1[size_t(j)] = m1 * c;
    }

    for (int32_t bandTop = 0; bandTop < window.height; bandTop += band) {
        const int32_t rows = std::min(band, window.height - bandTop);
        const int64_t top = int64_t(window.y) + bandTop, bottom = top + rows;
        std::fill(sums.begin(), sums.begin() + std::ptrdiff_t(size_t(rows) * size_t(window.width)), Sums{});

        // Source cells column by column, and within a column row by row: the order in
        // which each accumulator receives its terms, which fixes its rounding.
        for (int32_t i = 0; i < w; ++i) {
            int32_t first = 0, last = -1;
            candidateRows(g, i, h, top, bottom, &first, &last);
            const double x0c = colX0[size_t(i)], x1c = colX1[size_t(i)];
            const double y0c = colY0[size_t(i)], y1c = colY1[size_t(i)];
            for (int32_t j = first; j <= last; ++j) {
                const double xs[4] = {x0c - rowS0[size_t(j)], x1c - rowS0[size_t(j)], x1c - rowS1[size_t(j)],
                                      x0c - rowS1[size_t(j)]};
                const double ys[4] = {y0c + rowC0[size_t(j)], y1c + rowC0[size_t(j)], y1c + rowC1[size_t(j)],
                                      y0c + rowC1[size_t(j)]};
                int64_t rowFrom = static_cast<int64_t>(ys[g.cornerC]);
                int64_t rowTo = ceilTolerant(ys[g.cornerE]);
                rowFrom = std::max(rowFrom, top);
                rowTo = std::min(rowTo, bottom);
                if (rowFrom >= rowTo) continue;
                int64_t colFrom = static_cast<int64_t>(xs[g.cornerB]);
                int64_t colTo = ceilTolerant(xs[g.cornerD]);
                colFrom = std::max(colFrom, winLeft);
                colTo = std::min(colTo, winRight);
                if (colFrom >= colTo) continue;
                const double cx = 0.25 * xs[0] + 0.25 * xs[1] + 0.25 * xs[2] + 0.25 * xs[3];
                const double cy = 0.25 * ys[0] + 0.25 * ys[1] + 0.25 * ys[2] + 0.25 * ys[3];
                const uint8_t* src = cells + (size_t(i) + size_t(j) * size_t(w)) * 4;
                const double b0 = src[0], b1 = src[1], b2 = src[2], b3 = src[3];
                for (int64_t Y = rowFrom; Y < rowTo; ++Y) {
                    const double fy = double(Y);
                    const double ry[4] = {ys[0] - fy, ys[1] - fy, ys[2] - fy, ys[3] - fy};
                    Sums* acc = sums.data() + size_t(Y - top) * size_t(window.width) + size_t(colFrom - winLeft);
                    for (int64_t X = colFrom; X < colTo; ++X, ++acc) {
                        const double fx = double(X);
                        const double rx[4] = {xs[0] - fx, xs[1] - fx, xs[2] - fx, xs[3] - fx};
                        const double a = pixelOverlapArea(rx, ry, cx - fx, cy - fy, c, s);
                        if (a == 0.0) continue;
                        acc->channel[0] += a * b0;
                        acc->channel[1] += a * b1;
                        acc->channel[2] += a * b2;
                        acc->channel[3] += a * b3;
                        acc->area += a;
                    }
                }
            }
        }

        for (int32_t r = 0; r < rows; ++r) {
            const Sums* acc = sums.data() + size_t(r) * size_t(window.width);
            uint8_t* dst = out + (size_t(bandTop + r) * size_t(window.width)) * 4;
            for (int32_t x = 0; x < window.width; ++x, ++acc, dst += 4) {
                if (acc->area == 0.0) continue;
                for (int k = 0; k < 4; ++k) {
                    // The mean lies within the bytes' range but for rounding; the
                    // clamp comes first so that the truncation is always defined.
                    const double v = acc->channel[k] / acc->area + 0.5;
                    dst[k] = v < 1.0 ? 0 : v >= 255.0 ? 255 : uint8_t(v);
                }
            }
        }
    }
}

TagImage rotateAntiAliased(const uint8_t* cells, int32_t w, int32_t h, double angle) {
    const AntiAliasedRotation g = antiAliasedRotation(w, h, angle);
    TagImage out = blankTagImage(int32_t(g.width), int32_t(g.height));
    rotateAntiAliasedInto(cells, w, h, angle, CellRect{0, 0, out.width, out.height}, out.pixels.data());
    return out;
}
