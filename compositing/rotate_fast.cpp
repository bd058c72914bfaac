#include "compositing/rotate_fast.h"

#include <cmath>
#include <cstring>

namespace {

constexpr double kShortPi = 3.141592653;

double radiansOf(double angle) { return angle / 180.0 * kShortPi; }

// A coordinate of the rotated-back position as the definition computes it: polar
// form about the destination centre, then moved back into source coordinates.
struct PolarSample {
    double x, y;
};
PolarSample polarSample(int64_t i, int64_t j, int64_t cx, int64_t cy, double hw, double hh, double rho) {
    const double dx = double(i - cx), dy = double(j - cy);
    const double r = std::sqrt(dx * dx + dy * dy);
    const double phi = std::atan2(dy, dx) + rho;
    const double fcx = double(cx), fcy = double(cy);
    return {r * std::cos(phi) + fcx - (fcx - hw), r * std::sin(phi) + fcy - (fcy - hh)};
}

// Whether v is a whole number within tol, where the truncation of two close
// evaluations of the same position could differ.
inline bool nearWhole(double v, double tol) {
    if (!(std::fabs(v) < 1e15)) return true;
    const double f = std::fabs(v - double(static_cast<int64_t>(v)));
    return f < tol || f > 1.0 - tol;
}

}  // namespace

CellSize fastRotatedSize(int32_t w, int32_t h, double angle) {
    if (w < 0 || h < 0 || !std::isfinite(angle)) return {};
    const double hw = w / 2.0, hh = h / 2.0, rho = radiansOf(angle);
    const double cornerX[4] = {0.0, double(w), double(w), 0.0};
    const double cornerY[4] = {0.0, 0.0, double(h), double(h)};
    double minX = 0, maxX = 0, minY = 0, maxY = 0;
    for (int k = 0; k < 4; ++k) {
        const double dx = cornerX[k] - hw, dy = cornerY[k] - hh;
        const double r = std::sqrt(dx * dx + dy * dy);
        const double phi = std::atan2(dy, dx) + rho;
        const double x = r * std::cos(phi) + hw, y = r * std::sin(phi) + hh;
        if (k == 0 || x < minX) minX = x;
        if (k == 0 || x > maxX) maxX = x;
        if (k == 0 || y < minY) minY = y;
        if (k == 0 || y > maxY) maxY = y;
    }
    return {static_cast<int64_t>(maxX - minX), static_cast<int64_t>(maxY - minY)};
}

void rotateFastInto(const uint8_t* cells, int32_t w, int32_t h, double angle, const CellRect& window, uint8_t* out) {
    if (window.width <= 0 || window.height <= 0) return;
    std::memset(out, 0, size_t(window.width) * size_t(window.height) * 4);
    if (w <= 0 || h <= 0) return;
    const CellSize size = fastRotatedSize(w, h, angle);
    const int64_t cx = size.width / 2, cy = size.height / 2;
    const double hw = w / 2.0, hh = h / 2.0, rho = radiansOf(angle);

    // The polar form costs a square root, an arc tangent, a sine and a cosine per
    // cell. The same position follows from the plane rotation, dx cos - dy sin + hw, to
    // within a few units of the last place; its truncation can differ from the polar
    // one's only where the position is that close to a whole number, and there the
    // polar form decides. The tolerance bounds both rounding errors a hundredfold.
    const double cosRho = std::cos(rho), sinRho = std::sin(rho);
    const double tol = 1e-12 * (std::fabs(rho) + 4.0) * (double(size.width) + double(size.height) + 2.0);
    const double limitX = double(w), limitY = double(h);

    for (int32_t row = 0; row < window.height; ++row) {
        const int64_t j = int64_t(window.y) + row;
        const double dy = double(j - cy);
        const double baseX = hw - dy * sinRho, baseY = hh + dy * cosRho;
        uint8_t* dst = out + size_t(row) * size_t(window.width) * 4;
        for (int32_t col = 0; col < window.width; ++col, dst += 4) {
            const int64_t i = int64_t(window.x) + col;
            const double dx = double(i - cx);
            double sx = baseX + dx * cosRho, sy = baseY + dx * sinRho;
            if (nearWhole(sx, tol) || nearWhole(sy, tol)) {
                const PolarSample p = polarSample(i, j, cx, cy, hw, hh, rho);
                sx = p.x;
                sy = p.y;
            }
            // trunc(v) lies in [0, limit) exactly when -1 < v < limit.
            if (!(sx > -1.0 && sx < limitX && sy > -1.0 && sy < limitY)) continue;
            const size_t at = (size_t(int32_t(sx)) + size_t(int32_t(sy)) * size_t(w)) * 4;
            std::memcpy(dst, cells + at, 4);
        }
    }
}

TagImage rotateFast(const uint8_t* cells, int32_t w, int32_t h, double angle) {
    const CellSize size = fastRotatedSize(w, h, angle);
    TagImage out = blankTagImage(int32_t(size.width), int32_t(size.height));
    rotateFastInto(cells, w, h, angle, CellRect{0, 0, out.width, out.height}, out.pixels.data());
    return out;
}
