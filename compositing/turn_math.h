#pragma once
#include <cstdint>

// Arithmetic shared by both turns.

// Cosine of an angle in degrees, exact at multiples of 30 (within 1e-7 of a multiple
// of 30 counts as one): cosDegrees(90) is exactly 0, cosDegrees(60) exactly 0.5.
// Elsewhere cos(a * 3.14159265358979 / 180).
double cosDegrees(double degrees);

// Rounds up, but a value within 1e-9 of a whole number counts as that number, so
// that 2 * 5.000000000001 gives 10 and not 11. Truncates toward zero as it goes.
int64_t ceilTolerant(double v);
