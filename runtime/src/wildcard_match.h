// Matching of UTF-16 names against patterns with '*', '?', '>', '<' and '"'.
// The matcher never backtracks: a star followed by a character jumps to that
// character's first occurrence and stays there.
#pragma once

#include "tolvanea/runtime.h"

namespace tolvanea {

RtBool matchWildcard(const RtWide* pattern, const RtWide* name, RtBool exactCase);

}  // namespace tolvanea
