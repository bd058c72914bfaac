#pragma once
// Stateless plane geometry: even-odd point-in-polygon tests, line intersection, segment
// crossing, parallel offset and the two-pass line stepper.
#include <cmath>
#include <cstdint>

#include "tolvanea/runtime.h"

namespace tolvanea {

// Differences below this count as zero.
inline constexpr double geometryTolerance = 0.0001;

int polygonContainsPoint(std::int32_t n, const std::int32_t* xs, const std::int32_t* ys, std::int32_t px,
                         std::int32_t py);
int polygonContainsPointReal(std::int32_t n, const double* xs, const double* ys, double px, double py);

// Intersection of the infinite lines through a and b; false for parallel lines.
bool intersectLines(const Segment& a, const Segment& b, double& x, double& y);
// Strict at the ends of a, inclusive at the ends of b.
bool segmentsIntersect(const Segment& a, const Segment& b);
Segment offsetSegmentBy(const Segment& s, double distance);
double pointDistance(double x1, double y1, double x2, double y2);

namespace detail {
// Slope stand-in for an axis-parallel line; it is only ever multiplied by 0.
inline constexpr double axisSlope = 8000000.0;

inline std::int32_t truncToInt32(double v) {
    // Points of a line lie between its ends, so this only guards against NaN.
    if (!(v > -2147483649.0 && v < 2147483648.0)) return 0;
    return std::int32_t(v);
}
}  // namespace detail

// Reports the points of the line from (x2, y2) back to (x1, y1): first one point per row,
// then one per column, so no slope leaves gaps. Visit is called as visit(x, y).
template <class Visit>
void stepLinePoints(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, Visit&& visit) {
    // 64-bit steps: a loop variable must be able to pass an end at INT32_MIN or INT32_MAX.
    const std::int64_t dx = std::int64_t(x2) - x1, dy = std::int64_t(y2) - y1;
    double k = std::fabs(double(dy)) <= 0.0001 ? detail::axisSlope : double(dx) / double(dy);
    const std::int64_t ystep = y2 >= y1 ? -1 : 1;
    for (std::int64_t y = y2;; y += ystep) {
        visit(detail::truncToInt32(x1 + double(y - y1) * k), std::int32_t(y));
        if (y == y1) break;
    }
    k = std::fabs(double(dx)) <= 0.0001 ? detail::axisSlope : double(dy) / double(dx);
    const std::int64_t xstep = x2 >= x1 ? -1 : 1;
    for (std::int64_t x = x2;; x += xstep) {
        visit(std::int32_t(x), detail::truncToInt32(y1 + double(x - x1) * k));
        if (x == x1) break;
    }
}

}  // namespace tolvanea
