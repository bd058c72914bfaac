#include "settings_list.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "decimal_text.h"
#include "value_list.h"

namespace tolvanea {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

char upperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

SettingEntry* entryOf(const ListNode* node) { return reinterpret_cast<SettingEntry*>(node->value); }

void copyCut(char* out, std::size_t capacity, const char* text, std::size_t length) {
    if (length > capacity - 1) length = capacity - 1;
    std::memcpy(out, text, length);
    out[length] = '\0';
}

const ListNode* findNode(const ListNode* list, const char* key) {
    if (key == nullptr) return nullptr;
    char wanted[kMaxLookupKey + 1];
    std::size_t n = 0;
    for (; key[n] != '\0' && n < kMaxLookupKey; ++n) wanted[n] = upperAscii(key[n]);
    wanted[n] = '\0';
    for (const ListNode* node = list; node != nullptr; node = node->next) {
        if (std::strcmp(entryOf(node)->key, wanted) == 0) return node;
    }
    return nullptr;
}

// The stored value, or an empty text when the key is missing.
const char* lookup(const ListNode* list, const char* key) {
    const ListNode* node = findNode(list, key);
    return node != nullptr ? entryOf(node)->value : "";
}

void storeValue(ListNode** list, const char* key, const char* value) {
    if (list == nullptr || key == nullptr) return;
    if (const ListNode* node = findNode(*list, key)) {
        SettingEntry* entry = entryOf(node);
        copyCut(entry->value, sizeof entry->value, value, std::strlen(value));
        return;
    }
    appendSetting(list, key, std::strlen(key) < kMaxLookupKey ? std::strlen(key) : kMaxLookupKey, value);
}

int hexDigit(char c) {
    const char* found = c != '\0' ? std::strchr(kHexDigits, c) : nullptr;
    return found != nullptr ? static_cast<int>(found - kHexDigits) : 0;
}

// Reads the text as pairs of hexadecimal digits; pair i lands on the byte
// that shiftOf(i, pairs) names (shifts taken modulo 32).
template <typename ShiftOf>
uint32_t readHexPairs(const char* text, ShiftOf shiftOf) {
    const std::size_t pairs = std::strlen(text) / 2;  // an odd last digit is ignored
    uint32_t value = 0;
    for (std::size_t i = 0; i < pairs; ++i) {
        uint32_t byte = static_cast<uint32_t>(hexDigit(text[2 * i]) << 4 | hexDigit(text[2 * i + 1]));
        value |= byte << (shiftOf(i, pairs) % 32);
    }
    return value;
}

void releaseEntry(RtWord value) { std::free(reinterpret_cast<SettingEntry*>(value)); }

}  // namespace

void appendSetting(ListNode** list, const char* key, std::size_t keyLength, const char* value) {
    auto* entry = static_cast<SettingEntry*>(std::calloc(1, sizeof(SettingEntry)));
    if (entry == nullptr) return;
    copyCut(entry->key, sizeof entry->key, key, keyLength);
    for (char* p = entry->key; *p != '\0'; ++p) *p = upperAscii(*p);
    copyCut(entry->value, sizeof entry->value, value, std::strlen(value));
    ListNode* node = nullptr;
    *list = appendValue(*list, reinterpret_cast<RtWord>(entry), &node);
    if (node == nullptr) std::free(entry);
}

RtBool removeSetting(ListNode** list, const char* key) {
    if (list == nullptr) return 0;
    const ListNode* node = findNode(*list, key);
    if (node == nullptr) return 0;
    releaseEntry(node->value);
    unlinkNode(list, const_cast<ListNode*>(node));
    return 1;
}

const char* getSetting(const ListNode* list, const char* key, const char* fallback) {
    const char* value = lookup(list, key);
    return value[0] != '\0' ? value : fallback;
}

RtBool getSettingPair(const ListNode* list, const char* key, int32_t* first, int32_t* second) {
    char text[kMaxPairText + 1];
    const char* value = lookup(list, key);
    copyCut(text, sizeof text, value, std::strlen(value));
    const char* firstComma = std::strchr(text, ',');
    const char* lastComma = std::strrchr(text, ',');
    if (firstComma == nullptr || lastComma == text) return 0;
    if (first != nullptr) {
        char before[kMaxPairText + 1];
        copyCut(before, sizeof before, text, static_cast<std::size_t>(firstComma - text));
        *first = decimalValue(before);
    }
    if (second != nullptr) *second = decimalValue(lastComma + 1);
    return 1;
}

RtBool setSettingPair(ListNode** list, const char* key, int32_t first, int32_t second) {
    char text[32];
    std::snprintf(text, sizeof text, "%d,%d", static_cast<int>(first), static_cast<int>(second));
    storeValue(list, key, text);
    return 1;
}

uint32_t getSettingColour(const ListNode* list, const char* key) {
    return readHexPairs(lookup(list, key), [](std::size_t i, std::size_t) { return 8 * i; });
}

RtBool setSettingColour(ListNode** list, const char* key, uint32_t color) {
    char text[7];
    for (int i = 0; i < 3; ++i) {
        uint32_t byte = (color >> (8 * i)) & 0xFF;
        text[2 * i] = kHexDigits[byte >> 4];
        text[2 * i + 1] = kHexDigits[byte & 0xF];
    }
    text[6] = '\0';
    storeValue(list, key, text);
    return 1;
}

uint32_t getSettingHex(const ListNode* list, const char* key) {
    return readHexPairs(lookup(list, key), [](std::size_t i, std::size_t pairs) { return 8 * (pairs - 1 - i); });
}

int32_t getSettingInt(const ListNode* list, const char* key) { return decimalValue(lookup(list, key)); }

RtBool setSettingInt(ListNode** list, const char* key, int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    storeValue(list, key, text);
    return 1;
}

RtBool getSettingBool(const ListNode* list, const char* key) { return getSettingInt(list, key) == 1 ? 1 : 0; }

RtBool setSettingBool(ListNode** list, const char* key, uint8_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%u", static_cast<unsigned>(value));
    storeValue(list, key, text);
    return 1;
}

void freeSettings(ListNode** list) {
    if (list == nullptr) return;
    destroyValueList(*list, releaseEntry);
    *list = nullptr;
}

}  // namespace tolvanea
