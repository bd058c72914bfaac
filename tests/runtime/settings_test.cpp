#include "runtime_host.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const SettingsTable& settings() { return *runtimeRoot().settingsTable; }

const SettingEntry* entryAt(const ListNode* list, int index) {
    for (; list != nullptr && index > 0; --index) list = list->next;
    return list != nullptr ? reinterpret_cast<const SettingEntry*>(list->value) : nullptr;
}

ListNode* loadText(const std::string& text) {
    std::string path = scratchFolder() + "settings.txt";
    writeWholeFile(path, text);
    return settings().loadSettings(path.c_str(), 0, 0);
}

TEST(SettingsFile, KeysUpperCasedUpToTheFirstEquals) {
    ListNode* list = loadText("; comment\r\nname=Value=2\r\nSize = 5\r\n\r\nno equals here\r\nmixed=aB\r\n");
    ASSERT_EQ(runtimeRoot().valueListTable->countValues(list), 3u);
    EXPECT_STREQ(entryAt(list, 0)->key, "NAME");
    EXPECT_STREQ(entryAt(list, 0)->value, "Value=2");
    EXPECT_STREQ(entryAt(list, 1)->key, "SIZE ");
    EXPECT_STREQ(entryAt(list, 1)->value, " 5");
    EXPECT_STREQ(entryAt(list, 2)->value, "aB");
    EXPECT_STREQ(settings().getSetting(list, "name", "x"), "Value=2");
    EXPECT_EQ(settings().getSettingInt(list, "size"), 0);  // the key has a trailing blank
    EXPECT_EQ(settings().getSettingInt(list, "size "), 5);
    settings().freeSettings(&list);
    EXPECT_EQ(list, nullptr);
    settings().freeSettings(nullptr);
}

TEST(SettingsFile, MissingOrEmptyFiles) {
    EXPECT_EQ(settings().loadSettings((scratchFolder() + "absent.txt").c_str(), 0, 0), nullptr);
    // Reported on standard error when no application runs.
    EXPECT_EQ(settings().loadSettings((scratchFolder() + "absent.txt").c_str(), 0, 1), nullptr);
    EXPECT_EQ(loadText(";only a comment\r\n"), nullptr);
}

TEST(SettingsFile, SaveLoadChangeSave) {
    ListNode* list = nullptr;
    EXPECT_EQ(settings().setSettingInt(&list, "Count", 7), 1);
    ASSERT_NE(list, nullptr);
    std::string folder = scratchFolder();
    runtimeRoot().fileTable->setBaseFolder(folder.c_str());
    EXPECT_EQ(settings().saveSettings("a.cfg", 1, list), 1);
    EXPECT_EQ(readWholeFile(folder + "a.cfg"), "COUNT=7\r\n");

    settings().setSettingBool(&list, "flag", 1);
    settings().setSettingPair(&list, "Where", -3, 40);
    settings().setSettingColour(&list, "ink", 0x0080FF);
    settings().setSettingInt(&list, "count", -12);  // replaces, keeps the place
    EXPECT_EQ(settings().saveSettings("a.cfg", 1, list), 1);
    EXPECT_EQ(readWholeFile(folder + "a.cfg"), "COUNT=-12\r\nFLAG=1\r\nWHERE=-3,40\r\nINK=FF8000\r\n");
    settings().freeSettings(&list);

    list = settings().loadSettings("a.cfg", 1, 1);
    EXPECT_EQ(settings().getSettingInt(list, "COUNT"), -12);
    EXPECT_EQ(settings().getSettingBool(list, "Flag"), 1);
    int32_t first = 0, second = 0;
    EXPECT_EQ(settings().getSettingPair(list, "where", &first, &second), 1);
    EXPECT_EQ(first, -3);
    EXPECT_EQ(second, 40);
    EXPECT_EQ(settings().getSettingColour(list, "INK"), 0x0080FFu);
    settings().freeSettings(&list);

    EXPECT_EQ(settings().saveSettings("empty.cfg", 1, nullptr), 1);
    EXPECT_EQ(readWholeFile(folder + "empty.cfg"), "");
    runtimeRoot().fileTable->setBaseFolder("");
}

TEST(SettingsFile, SaveReportsACreateFailure) {
    ListNode* list = nullptr;
    settings().setSettingInt(&list, "a", 1);
    EXPECT_EQ(settings().saveSettings((scratchFolder() + "no/such/folder.cfg").c_str(), 0, list), 0);
    settings().freeSettings(&list);
}

TEST(SettingsList, DuplicatesAndRemoval) {
    ListNode* list = loadText("k=first\r\nother=o\r\nK=second\r\n");
    EXPECT_STREQ(settings().getSetting(list, "k", ""), "first");
    EXPECT_EQ(settings().removeSetting(&list, "K"), 1);
    EXPECT_STREQ(settings().getSetting(list, "k", ""), "second");
    EXPECT_EQ(list->last, list->next);  // the first node still names the last
    EXPECT_EQ(settings().removeSetting(&list, "other"), 1);
    EXPECT_EQ(list->last, list);
    EXPECT_EQ(settings().removeSetting(&list, "missing"), 0);
    EXPECT_EQ(settings().removeSetting(&list, "k"), 1);
    EXPECT_EQ(list, nullptr);
}

TEST(SettingsList, TypedReadings) {
    ListNode* list = loadText(
        "empty=\r\nb1= 1\r\nb2=01\r\nb3=1x\r\nb4=2\r\nb5=TRUE\r\n"
        "p1=10,20\r\np2=1,2,3\r\np3=5\r\np4=,7\r\n"
        "c1=ff0000\r\nc2=0000FF\r\nc3=FF8\r\nc4=0102030405\r\nh1=FF8000\r\n");
    EXPECT_STREQ(settings().getSetting(list, "empty", "fallback"), "fallback");
    EXPECT_STREQ(settings().getSetting(list, "absent", "fallback"), "fallback");
    EXPECT_EQ(settings().getSettingBool(list, "b1"), 1);
    EXPECT_EQ(settings().getSettingBool(list, "b2"), 1);
    EXPECT_EQ(settings().getSettingBool(list, "b3"), 1);
    EXPECT_EQ(settings().getSettingBool(list, "b4"), 0);
    EXPECT_EQ(settings().getSettingBool(list, "b5"), 0);
    EXPECT_EQ(settings().getSettingBool(list, "empty"), 0);

    int32_t first = -1, second = -1;
    EXPECT_EQ(settings().getSettingPair(list, "p1", &first, &second), 1);
    EXPECT_EQ(first, 10);
    EXPECT_EQ(second, 20);
    EXPECT_EQ(settings().getSettingPair(list, "p2", &first, &second), 1);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(second, 3);
    first = second = -1;
    EXPECT_EQ(settings().getSettingPair(list, "p3", &first, &second), 0);
    EXPECT_EQ(settings().getSettingPair(list, "p4", &first, &second), 0);
    EXPECT_EQ(settings().getSettingPair(list, "absent", &first, &second), 0);
    EXPECT_EQ(first, -1);
    EXPECT_EQ(second, -1);

    EXPECT_EQ(settings().getSettingColour(list, "c1"), 0u);  // lower-case digits count as 0
    EXPECT_EQ(settings().getSettingColour(list, "c2"), 0xFF0000u);
    EXPECT_EQ(settings().getSettingColour(list, "c3"), 0xFFu);                // the odd digit is ignored
    EXPECT_EQ(settings().getSettingColour(list, "c4"), 0x04030201u | 0x05u);  // the fifth pair wraps
    EXPECT_EQ(settings().getSettingHex(list, "h1"), 0xFF8000u);
    EXPECT_EQ(settings().getSettingHex(list, "c2"), 0x0000FFu);
    EXPECT_EQ(settings().getSettingColour(list, "absent"), 0u);
    EXPECT_EQ(settings().getSettingInt(list, "absent"), 0);
    settings().freeSettings(&list);
}

TEST(SettingsList, OverlongKeysAndValuesAreCut) {
    ListNode* list = nullptr;
    std::string longKey(200, 'k');
    settings().setSettingInt(&list, longKey.c_str(), 5);
    EXPECT_EQ(settings().getSettingInt(list, longKey.c_str()), 5);
    EXPECT_EQ(std::string(entryAt(list, 0)->key), std::string(127, 'K'));
    // A lookup key is cut the same way, so a longer spelling finds it too.
    EXPECT_EQ(settings().getSettingInt(list, (longKey + "zz").c_str()), 5);

    std::string pair = std::string(70, ' ') + "1,2";
    settings().setSettingPair(&list, "p", 1, 2);
    EXPECT_EQ(settings().getSettingPair(list, "p", nullptr, nullptr), 1);
    // Past 63 characters the comma is out of sight.
    ListNode* loaded = loadText("p=" + pair + "\r\n");
    int32_t a = 0, b = 0;
    EXPECT_EQ(settings().getSettingPair(loaded, "p", &a, &b), 0);
    settings().freeSettings(&loaded);

    std::string folder = scratchFolder();
    std::string path = folder + "long.cfg";
    ListNode* big = nullptr;
    // A value set directly at its full length: the saved line stops at 8,191 characters.
    settings().setSettingInt(&big, "v", 0);
    std::memset(reinterpret_cast<SettingEntry*>(big->value)->value, 'v', 8191);
    EXPECT_EQ(settings().saveSettings(path.c_str(), 0, big), 1);
    EXPECT_EQ(readWholeFile(path).size(), 8191u + 2u);
    settings().freeSettings(&big);
    settings().freeSettings(&list);
}

}  // namespace
