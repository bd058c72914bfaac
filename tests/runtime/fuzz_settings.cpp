// fuzz-runs: 3000
// loadSettings on arbitrary files, then every getter, a save and a reload
// that must give back as many entries.
#include <cstdio>

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    // Every line is read a byte at a time: larger inputs add time, not coverage.
    if (size > 2048) return 0;
    const RuntimeRoot& root = fuzzRoot();
    const SettingsTable& settings = *root.settingsTable;
    std::string input = fuzzFile(data, size, "settings.txt");
    ListNode* list = settings.loadSettings(input.c_str(), 0, 0);

    for (const ListNode* node = list; node != nullptr; node = node->next) {
        const auto* entry = reinterpret_cast<const SettingEntry*>(node->value);
        int32_t a = 0, b = 0;
        settings.getSetting(list, entry->key, "");
        settings.getSettingPair(list, entry->key, &a, &b);
        settings.getSettingColour(list, entry->key);
        settings.getSettingHex(list, entry->key);
        settings.getSettingInt(list, entry->key);
        settings.getSettingBool(list, entry->key);
    }
    if (list != nullptr) settings.setSettingInt(&list, reinterpret_cast<const SettingEntry*>(list->value)->key, 1);
    const uint32_t count = root.valueListTable->countValues(list);

    std::string saved = input + ".saved";
    if (settings.saveSettings(saved.c_str(), 0, list)) {
        ListNode* again = settings.loadSettings(saved.c_str(), 0, 0);
        // Every entry survives a save and a load as one line.
        if (root.valueListTable->countValues(again) != count) __builtin_trap();
        settings.freeSettings(&again);
    }
    while (list != nullptr) {
        const auto* first = reinterpret_cast<const SettingEntry*>(list->value);
        if (!settings.removeSetting(&list, first->key))
            break;  // a key that upper-cases onto an earlier one: free the rest
    }
    settings.freeSettings(&list);
    return 0;
}
