#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "compositing/tag_insert_params.h"

// How the insertion dialog's texts become TagInsertParams and back, and how the
// wheel and the keys of the preview change the values.

// Longest path the block holds (its field keeps a terminator after it).
inline constexpr size_t kInsertFileChars = sizeof(StoredTagInsert::insertFile) - 1;
// The rotation text is read from its first 31 characters.
inline constexpr size_t kInsertAngleChars = 31;

// The path's first 259 bytes, shortened to the last whole UTF-8 character.
std::string clippedInsertFile(std::string_view utf8Path);
void storeInsertFile(StoredTagInsert& block, std::string_view utf8Path);
std::string insertFileOf(const StoredTagInsert& block);

// The history combo's entries as the dialog shows a stored history: "Browse ..." first
// placed, then each stored entry under the rule of the file lists (addToFileList:
// left out when an entry already begins with it, letter case aside; sorted without
// regard to case). Reading the dialog stores exactly these entries back.
inline constexpr const char* kInsertBrowseEntry = "Browse ...";
std::vector<std::string> insertComboEntries(const std::vector<std::string>& storedHistory);

// The rotation text's C decimal value, kept modulo 65536 (70000 keeps 4464).
uint16_t insertAngleFromText(std::string_view text);
// The mix text's C decimal value kept modulo 256, at most 100, as a level:
// trunc(percent / 100 * 255). 50 gives 127; 300 keeps 44.
uint8_t insertLevelFromMixText(std::string_view text);
// The percentage the mix field shows: trunc(min(level / 255 * 100, 100)). 127 shows 49.
int32_t mixPercentShown(uint8_t level);

// The wheel: away from the user (+10, or 255 at the top), towards the user (-10, or
// 0 at the bottom). Only a step of 10 reloads the tag.
struct WheelStep {
    uint8_t level = 0;
    bool reload = false;
};
WheelStep wheelStep(uint8_t level, bool awayFromUser);

// The keypad's minus and plus rotate by 5 degrees within 0..359 (3 - 5 gives 358,
// 358 + 5 gives 3).
uint16_t angleAfterKeypadMinus(uint16_t angle);
uint16_t angleAfterKeypadPlus(uint16_t angle);
