#include "runtime_host.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

const TextTable& text() { return *runtimeRoot().textTable; }

std::u16string wide(const char* narrow) {
    std::u16string out;
    for (const char* p = narrow; *p != '\0'; ++p) out.push_back(static_cast<unsigned char>(*p));
    return out;
}

const RtWide* units(const std::u16string& s) { return reinterpret_cast<const RtWide*>(s.c_str()); }

bool match(const char* pattern, const char* name, bool exactCase = false) {
    std::u16string p = wide(pattern), n = wide(name);
    return text().matchWildcard(units(p), units(n), exactCase ? 1 : 0) == 1;
}

std::vector<std::string> split(const char* source, char separator, bool trim) {
    ListNode* list = text().splitText(source, separator, trim ? 1 : 0, std::malloc);
    std::vector<std::string> pieces;
    for (ListNode* node = list; node != nullptr; node = node->next)
        pieces.emplace_back(reinterpret_cast<const char*>(node->value));
    runtimeRoot().valueListTable->destroyValueList(list,
                                                   [](RtWord value) { std::free(reinterpret_cast<void*>(value)); });
    return pieces;
}

TEST(SplitText, KeepsEmptyPiecesAndTrimsOnlySpaces) {
    EXPECT_EQ(split("a, b,,c", ',', true), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(split("a, b,,c", ',', false), (std::vector<std::string>{"a", " b", "", "c"}));
    EXPECT_EQ(split("", ',', true), (std::vector<std::string>{""}));
    EXPECT_EQ(split(",x,", ',', false), (std::vector<std::string>{"", "x", ""}));
    EXPECT_EQ(split(" \tx \t ", ';', true), (std::vector<std::string>{"\tx \t"}));
    EXPECT_EQ(text().splitText("a,b", ',', 0, nullptr), nullptr);
}

TEST(SplitText, CutsOverlongPieces) {
    std::string source(300, 'x');
    source += ",y";
    std::vector<std::string> pieces = split(source.c_str(), ',', false);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0], std::string(259, 'x'));
    EXPECT_EQ(pieces[1], "y");
}

TEST(TextConversion, TruncatesAndExtends) {
    const RtWide source[] = {0x41, 0x00E9, 0x0142, 0};
    char narrow[8];
    EXPECT_EQ(text().wideToNarrow(source, narrow), 4);
    EXPECT_EQ(std::string(narrow), std::string("A\xE9\x42"));

    RtWide back[8];
    EXPECT_EQ(text().narrowToWide("A\xE9", back), 3);
    EXPECT_EQ(back[0], 0x41);
    EXPECT_EQ(back[1], 0x00E9);  // zero-extended, not sign-extended
    EXPECT_EQ(back[2], 0);
}

TEST(TextConversion, UpperCaseRule) {
    EXPECT_EQ(text().upperWideChar(0x00E9), 0x00C9);
    EXPECT_EQ(text().upperWideChar(0x00E0), 0x00C0);
    EXPECT_EQ(text().upperWideChar(0x00E7), 0x00E7);  // 'ç' stays
    EXPECT_EQ(text().upperWideChar('q'), 'Q');
    EXPECT_EQ(text().upperWideChar('Q'), 'Q');
    EXPECT_EQ(text().upperWideChar('{'), '{');

    RtWide buffer[] = {'a', 0x00E0, 'z', '1', 0};
    text().upperWideText(buffer, buffer);  // in place
    EXPECT_EQ(buffer[0], 'A');
    EXPECT_EQ(buffer[1], 0x00C0);
    EXPECT_EQ(buffer[2], 'Z');
    EXPECT_EQ(buffer[3], '1');
    EXPECT_EQ(buffer[4], 0);
}

TEST(Wildcard, CaseAndStars) {
    EXPECT_TRUE(match("*.TXT", "readme.txt"));
    EXPECT_FALSE(match("*.TXT", "readme.txt", true));
    EXPECT_FALSE(match("*.txt", "a.b.txt"));  // no backtracking past the first '.'
    EXPECT_TRUE(match("<.txt", "a.b.txt"));
    EXPECT_FALSE(match("a*", "a"));
    EXPECT_TRUE(match("a*", "ab"));
    EXPECT_TRUE(match("", ""));
    EXPECT_FALSE(match("", "a"));
    EXPECT_FALSE(match("*", ""));
    EXPECT_TRUE(match("*", "anything"));
    EXPECT_TRUE(match("\xE9t\xE9", "\xC9T\xC9"));  // 'é' upper-cases
}

TEST(Wildcard, SingleCharacterClasses) {
    EXPECT_TRUE(match("a?c", "abc"));
    EXPECT_TRUE(match("a>c", "abc"));
    EXPECT_FALSE(match("a?c", "abd"));
    EXPECT_TRUE(match("x\"y", "x.y"));
    EXPECT_TRUE(match("x\"y", "x0y"));
    EXPECT_FALSE(match("x\"y", "xay"));
    EXPECT_TRUE(match("*?", "ab"));   // the star takes one character before '?'
    EXPECT_FALSE(match("*?", ".b"));  // ... but not a '.'
    EXPECT_TRUE(match("*\"b", "a.b"));
}

TEST(Wildcard, RefusesOverlongTexts) {
    std::string name(260, 'a');
    EXPECT_FALSE(match("*", name.c_str()));
    name.resize(259);
    EXPECT_TRUE(match("*", name.c_str()));
}

}  // namespace
