#pragma once
#include <cstdint>

// Arithmetic shared by both rotations.

// Cosine of an angle in degrees, exact at multiples of 30 (within 1e-7 of a multiple
// of 30 counts as one): cosDegrees(90) is exactly 0, cosDegrees(60) exactly 0.5.
// Elsewhere cos(a * 3.14159265358979 / 180).
double cosDegrees(double degrees);

// Rounds up, but a value within 1e-9 of a whole number counts as that number, so
// that 2 * 5.000000000001 gives 10 and not 11. Truncates toward zero as it goes.
inline int64_t ceilTolerant(double v) {
    // Both conversions saturate far beyond any size that can occur.
    auto whole = [](double x) -> int64_t {
        if (!(x == x)) return 0;
        if (x >= 4.0e18) return int64_t(4000000000000000000);
        if (x <= -4.0e18) return -int64_t(4000000000000000000);
        return static_cast<int64_t>(x);
    };
    const int64_t n = whole(v + 5e-10);
    const double off = v - double(n);
    if (off < 1e-9 && off > -1e-9) return n;
    return whole(v + 1.0);
}
