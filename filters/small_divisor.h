#pragma once
#include <cstdint>

// Remainder by a divisor fixed for a whole pass, without a hardware division per value:
// q = (n * m) >> 32 with m = ceil(2^32 / d) is exact for every n below 2^15 and every
// d from 1 to 2^16 (the error n * (m * d - 2^32) stays below 2^32), which covers the
// random draws (0..32767) reduced by amplitudes up to 650.
struct SmallDivisor {
    uint32_t divisor = 1;
    uint64_t magic = uint64_t(1) << 32;

    explicit SmallDivisor(uint32_t d) : divisor(d), magic(((uint64_t(1) << 32) + d - 1) / d) {}

    // n mod divisor, for 0 <= n < 2^15.
    uint32_t remainder(uint32_t n) const {
        const uint32_t q = uint32_t((uint64_t(n) * magic) >> 32);
        return n - q * divisor;
    }
};
