#pragma once
#include <cstdint>
#include <limits>

// Conversion of a double to a 32-bit integer by truncation toward zero, as the
// shape definitions use it. Values beyond the 32-bit range (only absurd shape
// sizes produce them) saturate instead of being undefined.
inline int32_t truncToInt32(double v) {
    if (!(v == v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}

// Saturates a wide integer into 32 bits.
inline int32_t clampToInt32(int64_t v) {
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(v);
}
