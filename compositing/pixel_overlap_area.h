#pragma once
#include <cmath>

// Area of the overlap between a rotated unit square and the cell [0, 1] x [0, 1].
// `xs`, `ys` are the square's four rotated corners in the order top-left, top-right,
// bottom-right, bottom-left of the unrotated square, `cx`, `cy` its centre, all
// relative to the cell; `c` and `s` are the cosine and minus the sine of the rotation.
//
// The overlap polygon is collected point by point (corner k of the square inside the
// cell, corner k of the cell strictly inside the square, then the crossings of edge k
// with the cell's sides), ordered around its first point by insertion and summed as a
// fan. The order of every step fixes the rounding of the result, which the rotated
// blocks depend on to the last bit; inline because the anti-aliased rotation calls it
// several times per source cell.
[[gnu::always_inline]] inline double pixelOverlapArea(const double xs[4], const double ys[4], double cx, double cy,
                                                      double c, double s) {
    static constexpr double kCellX[4] = {0.0, 1.0, 1.0, 0.0};
    static constexpr double kCellY[4] = {0.0, 0.0, 1.0, 1.0};
    // Corners of the cell in the square's own axes (u along its rows, v along its
    // columns, 0 at its centre): inside the square where both lie within 0.5.
    double u[4], v[4];
    for (int k = 0; k < 4; ++k) {
        const double dx = kCellX[k] - cx, dy = kCellY[k] - cy;
        u[k] = dx * c + dy * s;
        v[k] = dy * c - dx * s;
    }
    // A cell wholly beyond one side of the square, by far more than any rounding,
    // can collect no point below: its area is 0 without the search.
    constexpr double kApart = 0.5 + 1e-9;
    if ((u[0] > kApart && u[1] > kApart && u[2] > kApart && u[3] > kApart) ||
        (u[0] < -kApart && u[1] < -kApart && u[2] < -kApart && u[3] < -kApart) ||
        (v[0] > kApart && v[1] > kApart && v[2] > kApart && v[3] > kApart) ||
        (v[0] < -kApart && v[1] < -kApart && v[2] < -kApart && v[3] < -kApart))
        return 0.0;
    double px[16], py[16];
    int n = 0;
    for (int k = 0; k < 4; ++k) {
        const double ax = xs[k], ay = ys[k];
        if (ax >= 0.0 && ax <= 1.0 && ay >= 0.0 && ay <= 1.0) {
            px[n] = ax;
            py[n] = ay;
            ++n;
        }
        if (std::fabs(u[k]) < 0.5 && std::fabs(v[k]) < 0.5) {
            px[n] = kCellX[k];
            py[n] = kCellY[k];
            ++n;
        }
        const int k2 = (k + 1) & 3;
        const double bx = xs[k2], by = ys[k2];
        const double loX = ax < bx ? ax : bx, hiX = ax < bx ? bx : ax;
        const double side = (loX < 0.0 && 0.0 < hiX) ? 0.0 : (loX < 1.0 && 1.0 < hiX) ? 1.0 : -1.0;
        if (side >= 0.0) {
            const double t = (side - ax) / (bx - ax);
            const double y = ay + t * (by - ay);
            if (y >= 0.0 && y <= 1.0) {
                px[n] = side;
                py[n] = y;
                ++n;
            }
        }
        const double loY = ay < by ? ay : by, hiY = ay < by ? by : ay;
        const double edge = (loY < 0.0 && 0.0 < hiY) ? 0.0 : (loY < 1.0 && 1.0 < hiY) ? 1.0 : -1.0;
        if (edge >= 0.0) {
            const double t = (edge - ay) / (by - ay);
            const double x = ax + t * (bx - ax);
            if (x >= 0.0 && x <= 1.0) {
                px[n] = x;
                py[n] = edge;
                ++n;
            }
        }
    }
    if (n < 3) return 0.0;
    // Vectors from the first point, put in angular order by insertion.
    double vx[16], vy[16];
    int listed = 0;
    for (int i = 1; i < n; ++i) {
        const double x = px[i] - px[0], y = py[i] - py[0];
        int at = listed;
        for (int k = 0; k < listed; ++k) {
            if (x * vy[k] - y * vx[k] < 0.0) {
                at = k;
                break;
            }
        }
        for (int k = listed; k > at; --k) {
            vx[k] = vx[k - 1];
            vy[k] = vy[k - 1];
        }
        vx[at] = x;
        vy[at] = y;
        ++listed;
    }
    double sum = 0.0;
    for (int k = 0; k + 1 < listed; ++k) sum += vx[k] * vy[k + 1] - vy[k] * vx[k + 1];
    return 0.5 * std::fabs(sum);
}
