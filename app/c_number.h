#pragma once
#include <cstdint>
#include <string_view>

// Numbers typed into dialogs are read the way the C library's decimal conversion
// reads them: leading blanks, an optional sign, then digits; anything else ends
// the number and no digits at all gives 0. Values past the 32-bit range saturate
// instead of being undefined.
int32_t decimalToInt(std::string_view text);

// Byte fields of the parameter blocks keep the low 8 bits (300 is stored as 44).
inline uint8_t lowByte(int32_t value) { return static_cast<uint8_t>(static_cast<uint32_t>(value) & 0xFFu); }
