// Settings held as a ListNode list of SettingEntry blocks (upper-cased key,
// value), with typed access and the key=value settings files.
#pragma once

#include <cstddef>

#include "tolvanea/runtime.h"

namespace tolvanea {

// Longest lookup key, stored setter value and pair text.
constexpr std::size_t kMaxLookupKey = 127;
constexpr std::size_t kMaxValue = 8191;
constexpr std::size_t kMaxPairText = 63;

RtBool saveSettings(const char* fileName, RtBool useBaseFolder, const ListNode* list);
ListNode* loadSettings(const char* fileName, RtBool useBaseFolder, RtBool reportMissing);
RtBool removeSetting(ListNode** list, const char* key);
const char* getSetting(const ListNode* list, const char* key, const char* fallback);
RtBool getSettingPair(const ListNode* list, const char* key, int32_t* first, int32_t* second);
RtBool setSettingPair(ListNode** list, const char* key, int32_t first, int32_t second);
uint32_t getSettingColour(const ListNode* list, const char* key);
RtBool setSettingColour(ListNode** list, const char* key, uint32_t color);
uint32_t getSettingHex(const ListNode* list, const char* key);
int32_t getSettingInt(const ListNode* list, const char* key);
RtBool setSettingInt(ListNode** list, const char* key, int32_t value);
RtBool getSettingBool(const ListNode* list, const char* key);
RtBool setSettingBool(ListNode** list, const char* key, uint8_t value);
void freeSettings(ListNode** list);

// Appends an entry made of key (upper-cased a-z) and value, both cut to their
// fields; the list variable is set when the list was empty.
void appendSetting(ListNode** list, const char* key, std::size_t keyLength, const char* value);

}  // namespace tolvanea
