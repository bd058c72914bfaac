#include "compositing/rotation_math.h"

#include <cmath>

namespace {
// cos of 0, 30, ..., 330 degrees as the exact-angle table gives them.
constexpr double kCosTable[12] = {1.0,  0.866025403784439,  0.5,  0.0, -0.5, -0.866025403784439,
                                  -1.0, -0.866025403784439, -0.5, 0.0, 0.5,  0.866025403784439};

// Conversion to a whole number by truncation toward zero, saturated far beyond any
// size that can occur so that absurd inputs stay defined.
int64_t truncToInt64(double v) {
    if (!(v == v)) return 0;
    if (v >= 4.0e18) return int64_t(4000000000000000000);
    if (v <= -4.0e18) return -int64_t(4000000000000000000);
    return static_cast<int64_t>(v);
}
}  // namespace

double cosDegrees(double a) {
    const double q = a / 30.0;
    const double r = q - std::trunc(q + 0.5);
    if (r > -1e-7 && r < 1e-7) {
        int64_t c = truncToInt64(a + 0.5);
        c = c < 0 ? 360 - ((-c) % 360) : c % 360;
        if (c % 30 == 0) return kCosTable[(c / 30) % 12];
    }
    return std::cos(a * 3.14159265358979 / 180.0);
}
