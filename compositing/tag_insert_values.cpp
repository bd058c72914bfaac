#include "compositing/tag_insert_values.h"

#include <algorithm>
#include <cstring>

#include "core/c_integer.h"

std::string clippedInsertFile(std::string_view utf8Path) {
    if (utf8Path.size() <= kInsertFileChars) return std::string(utf8Path);
    size_t end = kInsertFileChars;
    // Never cut a character in two: back off to the start of the one that was cut.
    while (end > 0 && (uint8_t(utf8Path[end]) & 0xC0) == 0x80) --end;
    return std::string(utf8Path.substr(0, end));
}

void storeInsertFile(TagInsertBlock& block, std::string_view utf8Path) {
    const std::string clipped = clippedInsertFile(utf8Path);
    // Text and terminator only: the bytes after it stay as held, and the configuration
    // file writes them so.
    std::memcpy(block.insertFile, clipped.data(), clipped.size());
    block.insertFile[clipped.size()] = '\0';
}

std::string insertFileOf(const TagInsertBlock& block) {
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

namespace {

char foldCase(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

int compareFolded(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char fa = static_cast<unsigned char>(foldCase(a[i]));
        const unsigned char fb = static_cast<unsigned char>(foldCase(b[i]));
        if (fa != fb) return fa < fb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool beginsWithFolded(const std::string& entry, const std::string& prefix) {
    return prefix.size() <= entry.size() && compareFolded(entry.substr(0, prefix.size()), prefix) == 0;
}

void addSorted(std::vector<std::string>& entries, const std::string& text) {
    auto at = entries.begin();
    while (at != entries.end() && compareFolded(*at, text) <= 0) ++at;
    entries.insert(at, text);
}

}  // namespace

std::vector<std::string> insertComboEntries(const std::vector<std::string>& storedHistory) {
    std::vector<std::string> entries{kInsertBrowseEntry};
    for (const std::string& entry : storedHistory) {
        bool held = false;
        for (const std::string& e : entries) held = held || beginsWithFolded(e, entry);
        if (!held) addSorted(entries, entry);
    }
    return entries;
}
