#include "text_utilities.h"

#include <cstring>

#include "value_list.h"

namespace tolvanea {
namespace {

ListNode* appendPiece(ListNode* list, const char* piece, int length, bool trim, SplitAllocateFn allocate) {
    int start = 0;
    int end = length;
    if (trim) {
        while (start < end && piece[start] == ' ') ++start;
        while (end > start && piece[end - 1] == ' ') --end;
    }
    const std::size_t size = static_cast<std::size_t>(end - start);
    auto* block = static_cast<char*>(allocate(size + 1));
    if (block != nullptr) {
        std::memcpy(block, piece + start, size);
        block[size] = '\0';
    }
    return appendValue(list, reinterpret_cast<RtWord>(block), nullptr);
}

}  // namespace

ListNode* splitText(const char* text, char separator, RtBool trimBlanks, SplitAllocateFn allocate) {
    if (allocate == nullptr) return nullptr;
    if (text == nullptr) text = "";
    const bool trim = (trimBlanks & 1) != 0;
    ListNode* list = nullptr;
    char piece[kMaxPieceLength + 1];
    int length = 0;
    for (const char* p = text;; ++p) {
        if (*p == separator || *p == '\0') {
            list = appendPiece(list, piece, length, trim, allocate);
            length = 0;
            if (*p == '\0') break;
        } else if (length < kMaxPieceLength) {
            piece[length++] = *p;
        }
    }
    return list;
}

int32_t wideToNarrow(const RtWide* text, char* out) {
    if (text == nullptr || out == nullptr) return 0;
    int32_t i = 0;
    do {
        out[i] = static_cast<char>(text[i] & 0xFF);
    } while (text[i++] != 0);
    return i;
}

int32_t narrowToWide(const char* text, RtWide* out) {
    if (text == nullptr || out == nullptr) return 0;
    int32_t i = 0;
    do {
        out[i] = static_cast<unsigned char>(text[i]);
    } while (text[i++] != '\0');
    return i;
}

RtWide upperWideChar(RtWide unit) {
    if (unit == 0x00E9) return 0x00C9;
    if (unit == 0x00E0) return 0x00C0;
    if (unit >= 'a' && unit <= 'z') return static_cast<RtWide>(unit - 'a' + 'A');
    return unit;
}

void upperWideText(const RtWide* text, RtWide* out) {
    if (text == nullptr || out == nullptr) return;
    // Unit by unit, so that out may be the same buffer as text.
    for (std::size_t i = 0;; ++i) {
        RtWide unit = text[i];
        out[i] = upperWideChar(unit);
        if (unit == 0) break;
    }
}

}  // namespace tolvanea
