// Decimal text as the C library reads it: leading white space, an optional
// sign, digits up to the first non-digit; 0 when there is no digit. Values past
// the 32-bit range saturate instead of overflowing.
#pragma once

#include <cstdint>

namespace tolvanea {

int32_t decimalValue(const char* text);

}  // namespace tolvanea
