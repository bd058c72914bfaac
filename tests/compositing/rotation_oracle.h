#pragma once
// Straightforward versions of the two rotations, written from their definitions one
// destination (or source) cell at a time, with nothing cached or skipped: the
// reference the fast implementations must match to the last bit.
#include <cmath>
#include <cstdint>
#include <vector>

#include "compositing/rotation_math.h"

namespace oracle {

struct Block {
    int64_t w = 0, h = 0;
    std::vector<uint8_t> cells;
};

inline Block rotateFast(const uint8_t* src, int32_t w, int32_t h, double angle) {
    const double hw = w / 2.0, hh = h / 2.0;
    const double rho = angle / 180 * 3.141592653;
    const double cxs[4] = {0, double(w), double(w), 0}, cys[4] = {0, 0, double(h), double(h)};
    double minX = 1e300, maxX = -1e300, minY = 1e300, maxY = -1e300;
    for (int k = 0; k < 4; ++k) {
        const double dx = cxs[k] - hw, dy = cys[k] - hh;
        const double r = std::sqrt(dx * dx + dy * dy), phi = std::atan2(dy, dx) + rho;
        const double x = r * std::cos(phi) + hw, y = r * std::sin(phi) + hh;
        minX = std::fmin(minX, x), maxX = std::fmax(maxX, x), minY = std::fmin(minY, y), maxY = std::fmax(maxY, y);
    }
    Block out;
    out.w = int64_t(maxX - minX);
    out.h = int64_t(maxY - minY);
    out.cells.assign(size_t(out.w * out.h * 4), 0);
    const int64_t cx = out.w / 2, cy = out.h / 2;
    for (int64_t j = 0; j < out.h; ++j) {
        for (int64_t i = 0; i < out.w; ++i) {
            const double dx = double(i - cx), dy = double(j - cy);
            const double r = std::sqrt(dx * dx + dy * dy), phi = std::atan2(dy, dx) + rho;
            const double fx = r * std::cos(phi) + double(cx) - (double(cx) - hw);
            const double fy = r * std::sin(phi) + double(cy) - (double(cy) - hh);
            const int64_t sx = int64_t(fx), sy = int64_t(fy);
            if (sx < 0 || sx >= w || sy < 0 || sy >= h) continue;
            for (int k = 0; k < 4; ++k) out.cells[size_t((i + j * out.w) * 4 + k)] = src[(sx + sy * w) * 4 + k];
        }
    }
    return out;
}

struct Pt {
    double x, y;
};

inline double overlapArea(const Pt corner[4], Pt centre, double C, double S) {
    const Pt q[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    std::vector<Pt> pts;
    auto in01 = [](double v) { return v >= 0 && v <= 1; };
    for (int k = 0; k < 4; ++k) {
        if (in01(corner[k].x) && in01(corner[k].y)) pts.push_back(corner[k]);
        const double dx = q[k].x - centre.x, dy = q[k].y - centre.y;
        if (std::fabs(dx * C + dy * S) < 0.5 && std::fabs(dy * C - dx * S) < 0.5) pts.push_back(q[k]);
        const Pt a = corner[k], b = corner[(k + 1) % 4];
        const double loX = std::fmin(a.x, b.x), hiX = std::fmax(a.x, b.x);
        for (double line : {0.0, 1.0}) {
            if (loX < line && line < hiX) {
                const double t = (line - a.x) / (b.x - a.x), y = a.y + t * (b.y - a.y);
                if (in01(y)) pts.push_back({line, y});
                break;
            }
        }
        const double loY = std::fmin(a.y, b.y), hiY = std::fmax(a.y, b.y);
        for (double line : {0.0, 1.0}) {
            if (loY < line && line < hiY) {
                const double t = (line - a.y) / (b.y - a.y), x = a.x + t * (b.x - a.x);
                if (in01(x)) pts.push_back({x, line});
                break;
            }
        }
    }
    if (pts.size() < 3) return 0;
    std::vector<Pt> list;
    for (size_t i = 1; i < pts.size(); ++i) {
        const Pt v{pts[i].x - pts[0].x, pts[i].y - pts[0].y};
        auto at = list.begin();
        while (at != list.end() && !(v.x * at->y - v.y * at->x < 0)) ++at;
        list.insert(at, v);
    }
    if (list.size() == 2) return std::fabs(list[0].x * list[1].y - list[0].y * list[1].x) / 2;
    double sum = 0;
    for (size_t i = 0; i + 1 < list.size(); ++i) sum += list[i].x * list[i + 1].y - list[i].y * list[i + 1].x;
    return std::fabs(sum) / 2;
}

inline Block rotateAntiAliased(const uint8_t* src, int32_t w, int32_t h, double theta) {
    int64_t q = int64_t(theta) / 360;
    if (theta < 0) q -= 1;
    theta -= 360 * q;
    const double C = cosDegrees(theta), S = cosDegrees(theta + 90);
    const int sx[4] = {-1, 1, 1, -1}, sy[4] = {-1, -1, 1, 1};
    const int b = int((int64_t(theta) / 90) % 4), c = (b + 1) % 4, d = (b + 2) % 4, e = (b + 3) % 4;
    const double hw = w / 2.0, hh = h / 2.0;  // halves in floating point: odd sizes stay whole
    const double T = sx[d] * hw * C - sy[d] * hh * S, U = sy[e] * hh * C + sx[e] * hw * S;
    Block out;
    out.w = ceilTolerant(2 * T);
    out.h = ceilTolerant(2 * U);
    std::vector<double> acc(size_t(out.w * out.h * 5), 0.0);
    for (int i = 0; i < w; ++i) {
        for (int j = 0; j < h; ++j) {
            const double n = i - hw, m = j - hh;
            const Pt raw[4] = {{n, m}, {n + 1, m}, {n + 1, m + 1}, {n, m + 1}};
            Pt t[4];
            for (int k = 0; k < 4; ++k) t[k] = {T + raw[k].x * C - raw[k].y * S, U + raw[k].x * S + raw[k].y * C};
            Pt centre{0, 0};
            for (int k = 0; k < 4; ++k) centre.x += 0.25 * t[k].x;
            for (int k = 0; k < 4; ++k) centre.y += 0.25 * t[k].y;
            for (int64_t X = int64_t(t[b].x); X < ceilTolerant(t[d].x); ++X) {
                for (int64_t Y = int64_t(t[c].y); Y < ceilTolerant(t[e].y); ++Y) {
                    if (X < 0 || Y < 0 || X >= out.w || Y >= out.h) continue;
                    Pt rel[4];
                    for (int k = 0; k < 4; ++k) rel[k] = {t[k].x - X, t[k].y - Y};
                    const double a = overlapArea(rel, {centre.x - X, centre.y - Y}, C, S);
                    if (a == 0) continue;
                    double* s = &acc[size_t((X + Y * out.w) * 5)];
                    for (int k = 0; k < 4; ++k) s[k] += a * src[(i + j * w) * 4 + k];
                    s[4] += a;
                }
            }
        }
    }
    out.cells.assign(size_t(out.w * out.h * 4), 0);
    for (int64_t p = 0; p < out.w * out.h; ++p) {
        const double* s = &acc[size_t(p * 5)];
        if (s[4] == 0) continue;
        for (int k = 0; k < 4; ++k) {
            const int64_t v = int64_t(s[k] / s[4] + 0.5);
            out.cells[size_t(p * 4 + k)] = uint8_t(v <= 0 ? 0 : v >= 255 ? 255 : v);
        }
    }
    return out;
}

}  // namespace oracle
