// Splitting, single-byte <-> UTF-16 by truncation and zero extension, and the
// upper-case rule for UTF-16 units that also covers 'é' and 'à'.
#pragma once

#include "tolvanea/runtime.h"

namespace tolvanea {

// Longest piece kept by splitText and longest text matchWildcard accepts.
constexpr int kMaxPieceLength = 259;

ListNode* splitText(const char* text, char separator, RtBool trimBlanks, SplitAllocateFn allocate);
int32_t wideToNarrow(const RtWide* text, char* out);
int32_t narrowToWide(const char* text, RtWide* out);
RtWide upperWideChar(RtWide unit);
void upperWideText(const RtWide* text, RtWide* out);

}  // namespace tolvanea
