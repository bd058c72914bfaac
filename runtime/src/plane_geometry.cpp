#include "plane_geometry.h"

#include <cmath>

namespace tolvanea {
namespace {

constexpr double pi = 3.141592654;

double slope(const Segment& s) { return (s.y2 - s.y1) / (s.x2 - s.x1); }

}  // namespace

int polygonContainsPoint(std::int32_t n, const std::int32_t* xs, const std::int32_t* ys, std::int32_t px,
                         std::int32_t py) {
    if (n <= 0 || !xs || !ys) return 0;
    bool inside = false;
    for (std::int32_t i = 0, j = n - 1; i < n; j = i++) {
        if ((ys[i] <= py && py < ys[j]) || (ys[j] <= py && py < ys[i])) {
            // 64-bit arithmetic: with coordinates far apart the 32-bit product would
            // overflow and flip points at random. Division truncates toward zero.
            std::int64_t x =
                xs[i] + (std::int64_t(xs[j]) - xs[i]) * (std::int64_t(py) - ys[i]) / (std::int64_t(ys[j]) - ys[i]);
            if (px < x) inside = !inside;
        }
    }
    return inside ? 1 : 0;
}

int polygonContainsPointReal(std::int32_t n, const double* xs, const double* ys, double px, double py) {
    if (n <= 0 || !xs || !ys) return 0;
    bool inside = false;
    for (std::int32_t i = 0, j = n - 1; i < n; j = i++) {
        if ((ys[i] <= py && py < ys[j]) || (ys[j] <= py && py < ys[i])) {
            double x = xs[i] + (xs[j] - xs[i]) * (py - ys[i]) / (ys[j] - ys[i]);
            if (px < x) inside = !inside;
        }
    }
    return inside ? 1 : 0;
}

bool intersectLines(const Segment& a, const Segment& b, double& x, double& y) {
    const bool aVertical = std::fabs(a.x2 - a.x1) < geometryTolerance;
    const bool bVertical = std::fabs(b.x2 - b.x1) < geometryTolerance;
    if (aVertical && bVertical) return false;
    if (std::fabs(a.y2 - a.y1) < geometryTolerance && std::fabs(b.y2 - b.y1) < geometryTolerance) return false;
    if (aVertical) {
        x = a.x1;
        y = b.y1 + slope(b) * (a.x1 - b.x1);
        return true;
    }
    if (bVertical) {
        x = b.x1;
        y = a.y1 + slope(a) * (b.x1 - a.x1);
        return true;
    }
    const double ma = slope(a), mb = slope(b);
    if (std::fabs(ma - mb) < geometryTolerance) return false;
    x = (b.y1 + ma * a.x1 - mb * b.x1 - a.y1) / (ma - mb);
    y = a.y1 + ma * (x - a.x1);
    return true;
}

bool segmentsIntersect(const Segment& a, const Segment& b) {
    double x, y;
    if (!intersectLines(a, b, x, y)) return false;
    const double la = pointDistance(a.x1, a.y1, a.x2, a.y2);
    const double lb = pointDistance(b.x1, b.y1, b.x2, b.y2);
    return pointDistance(x, y, a.x1, a.y1) < la && pointDistance(x, y, a.x2, a.y2) < la &&
           pointDistance(x, y, b.x1, b.y1) <= lb && pointDistance(x, y, b.x2, b.y2) <= lb;
}

Segment offsetSegmentBy(const Segment& s, double distance) {
    const double angle = std::atan2(s.y1 - s.y2, s.x1 - s.x2) + pi / 2;
    const double dx = std::cos(angle) * distance, dy = std::sin(angle) * distance;
    return {s.x1 + dx, s.y1 + dy, s.x2 + dx, s.y2 + dy};
}

double pointDistance(double x1, double y1, double x2, double y2) {
    return std::sqrt((x2 - x1) * (x2 - x1) + (y2 - y1) * (y2 - y1));
}

}  // namespace tolvanea
