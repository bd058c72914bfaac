#include "compositing/tag_insert_inputs.h"

#include "compositing/file_list_rule.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "core/c_integer.h"

std::string clippedInsertFile(std::string_view utf8Path) {
    if (utf8Path.size() <= kInsertFileChars) return std::string(utf8Path);
    size_t end = kInsertFileChars;
    // Never cut a character in two: back off to the start of the one that was cut.
    while (end > 0 && (uint8_t(utf8Path[end]) & 0xC0) == 0x80) --end;
    return std::string(utf8Path.substr(0, end));
}

void storeInsertFile(StoredTagInsert& block, std::string_view utf8Path) {
    const std::string clipped = clippedInsertFile(utf8Path);
    // Text and terminator only: the bytes after it stay as held, and the configuration
    // file writes them so.
    std::memcpy(block.insertFile, clipped.data(), clipped.size());
    block.insertFile[clipped.size()] = '\0';
}

std::string insertFileOf(const StoredTagInsert& block) {
    return std::string(block.insertFile, strnlen(block.insertFile, sizeof block.insertFile));
}

uint16_t insertAngleFromText(std::string_view text) {
    return uint16_t(uint32_t(parseCInteger(text.substr(0, std::min(text.size(), kInsertAngleChars)))));
}

uint8_t insertLevelFromMixText(std::string_view text) {
    int32_t percent = lowByte(parseCInteger(text));
    if (percent >= 100) percent = 100;
    return uint8_t(double(percent) / 100.0 * 255.0);
}

int32_t mixPercentShown(uint8_t level) { return int32_t(std::min(double(level) / 255.0 * 100.0, 100.0)); }

WheelStep wheelStep(uint8_t level, bool awayFromUser) {
    if (awayFromUser) return level <= 245 ? WheelStep{uint8_t(level + 10), true} : WheelStep{255, false};
    return level >= 10 ? WheelStep{uint8_t(level - 10), true} : WheelStep{0, false};
}

uint16_t angleAfterKeypadMinus(uint16_t angle) {
    int32_t a = int32_t(angle) - 5;
    if (a < 0) a += 360;
    return uint16_t(a);
}

uint16_t angleAfterKeypadPlus(uint16_t angle) { return uint16_t((int32_t(angle) + 5) % 360); }

std::vector<std::string> insertComboEntries(const std::vector<std::string>& storedHistory) {
    std::vector<std::string> entries{kInsertBrowseEntry};
    for (const std::string& entry : storedHistory) addToFileList(entries, entry);
    return entries;
}
