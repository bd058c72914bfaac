#pragma once
#include <cstdint>
#include <string_view>

// Reads a number the way the C library's decimal conversion does: leading blanks,
// an optional sign, then digits up to the first other character; no digits gives 0.
// Values beyond 32 bits saturate instead of wrapping into nonsense.
int32_t parseCInteger(std::string_view text);

// The low 8 bits, as a byte field keeps a typed number (300 becomes 44).
inline uint8_t lowByte(int32_t value) { return static_cast<uint8_t>(static_cast<uint32_t>(value) & 0xFFu); }
