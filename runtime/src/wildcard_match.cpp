#include "wildcard_match.h"

#include "text_utilities.h"

namespace tolvanea {
namespace {

// Copies text (upper-cased unless exactCase); false when it is too long.
bool prepare(const RtWide* text, bool exactCase, RtWide (&out)[kMaxPieceLength + 1], int& length) {
    length = 0;
    for (; text[length] != 0; ++length) {
        if (length == kMaxPieceLength) return false;
        out[length] = exactCase ? text[length] : upperWideChar(text[length]);
    }
    out[length] = 0;
    return true;
}

bool isDotOrZero(RtWide unit) { return unit == '.' || unit == '0'; }

}  // namespace

RtBool matchWildcard(const RtWide* patternText, const RtWide* nameText, RtBool exactCase) {
    if (patternText == nullptr || nameText == nullptr) return 0;
    RtWide pattern[kMaxPieceLength + 1];
    RtWide name[kMaxPieceLength + 1];
    int patternLength = 0;
    int nameLength = 0;
    const bool exact = (exactCase & 1) != 0;
    if (!prepare(patternText, exact, pattern, patternLength) || !prepare(nameText, exact, name, nameLength)) return 0;

    int i = 0;
    int j = 0;
    if (nameLength > 0) {
        while (i < patternLength) {
            const RtWide p = pattern[i];
            if (p == name[j]) {
                ++i;
                ++j;
            } else if (p == '?' || p == '>') {
                ++i;
                ++j;
            } else if (p == '"') {
                if (isDotOrZero(name[j])) {
                    ++i;
                    ++j;
                } else {
                    j = nameLength;
                }
            } else if (p == '*') {
                if (i + 1 == patternLength) {
                    j = nameLength;
                    ++i;
                } else {
                    const RtWide following = pattern[i + 1];
                    if (following == '"') {
                        ++i;
                        ++j;
                    } else if (following == '*' || following == '?' || following == '>' || following == '<') {
                        if (!isDotOrZero(name[j])) ++j;
                        ++i;
                    } else {
                        while (j < nameLength && name[j] != following) ++j;
                        ++i;
                    }
                }
            } else if (p == '<') {
                int lastDot = -1;
                for (int k = j; k < nameLength; ++k) {
                    if (name[k] == '.') lastDot = k;
                }
                if (lastDot >= 0) j = lastDot;
                ++i;
            } else {
                j = nameLength;  // mismatch: i stays, so the match fails
            }
            if (j >= nameLength) break;
        }
    }
    return i == patternLength && j == nameLength ? 1 : 0;
}

}  // namespace tolvanea
