#include "cli/arguments.h"

#include <cctype>
#include <limits>

std::optional<int64_t> parseInt64(const std::string& word) {
    size_t i = 0;
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-')) negative = word[i++] == '-';
    if (i == word.size()) return std::nullopt;
    // Accumulate towards the negative side, which holds one more value.
    int64_t value = 0;
    for (; i < word.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(word[i]))) return std::nullopt;
        const int digit = word[i] - '0';
        if (value < (std::numeric_limits<int64_t>::min() + digit) / 10) return std::nullopt;
        value = value * 10 - digit;
    }
    if (negative) return value;
    if (value == std::numeric_limits<int64_t>::min()) return std::nullopt;
    return -value;
}

std::optional<int32_t> parseInt32(const std::string& word) {
    const auto v = parseInt64(word);
    if (!v || *v < std::numeric_limits<int32_t>::min() || *v > std::numeric_limits<int32_t>::max()) return std::nullopt;
    return static_cast<int32_t>(*v);
}

std::optional<uint32_t> parseHexColor(const std::string& word) {
    if (word.size() != 6) return std::nullopt;
    uint32_t rgb = 0;
    for (char ch : word) {
        const int c = std::tolower(static_cast<unsigned char>(ch));
        uint32_t digit;
        if (c >= '0' && c <= '9')
            digit = uint32_t(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = uint32_t(c - 'a' + 10);
        else
            return std::nullopt;
        rgb = rgb << 4 | digit;
    }
    // Written red first; packed with red in the low byte.
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

std::optional<bool> parseOnOff(const std::string& word) {
    if (word == "on") return true;
    if (word == "off") return false;
    return std::nullopt;
}

bool isZeroOrOne(const std::string& word) { return word == "0" || word == "1"; }

bool isNumberText(const std::string& word) {
    const size_t start = (!word.empty() && (word[0] == '-' || word[0] == '+')) ? 1 : 0;
    if (start == word.size()) return false;
    for (size_t i = start; i < word.size(); ++i)
        if (!std::isdigit(static_cast<unsigned char>(word[i]))) return false;
    return true;
}
