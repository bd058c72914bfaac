// Settings files: key=value lines, CR LF ends, ';' comment lines.
#include <cstring>
#include <string>

#include "file_services.h"
#include "platform.h"
#include "settings_list.h"

namespace tolvanea {

ListNode* loadSettings(const char* fileName, RtBool useBaseFolder, RtBool reportMissing) {
    RtHandle file = openForReading(fileName, useBaseFolder);
    if (file == RT_INVALID_HANDLE) {
        if (reportMissing & 1) platformMessage(fileName != nullptr ? fileName : "", "file not found");
        return nullptr;
    }
    ListNode* list = nullptr;
    char line[kMaxLine + 1];
    while (readLine(file, line)) {
        if (line[0] == '\0' || line[0] == ';') continue;
        const char* equals = std::strchr(line, '=');
        if (equals == nullptr) continue;  // a line without '=' carries no setting
        appendSetting(&list, line, static_cast<std::size_t>(equals - line), equals + 1);
    }
    closeFile(file);
    return list;
}

RtBool saveSettings(const char* fileName, RtBool useBaseFolder, const ListNode* list) {
    // The line's room is taken before the file is emptied, so that running out
    // of memory cannot leave an emptied settings file behind.
    std::string line;
    line.reserve(sizeof(SettingEntry::key) + 1 + sizeof(SettingEntry::value));
    RtHandle file = createForWriting(fileName, useBaseFolder);
    if (file == RT_INVALID_HANDLE) return 0;
    for (const ListNode* node = list; node != nullptr; node = node->next) {
        const auto* entry = reinterpret_cast<const SettingEntry*>(node->value);
        line.assign(entry->key, strnlen(entry->key, sizeof entry->key));
        line += '=';
        line.append(entry->value, strnlen(entry->value, sizeof entry->value));
        if (line.size() > kMaxValue) line.resize(kMaxValue);
        writeLine(file, line.c_str());
    }
    closeFile(file);
    return 1;
}

}  // namespace tolvanea
