#include "compositing/file_list_rule.h"

#include <algorithm>

namespace {
char fold(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
}  // namespace

int compareFolded(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char fa = static_cast<unsigned char>(fold(a[i])), fb = static_cast<unsigned char>(fold(b[i]));
        if (fa != fb) return fa < fb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool beginsWithFolded(const std::string& entry, const std::string& prefix) {
    return prefix.size() <= entry.size() && compareFolded(entry.substr(0, prefix.size()), prefix) == 0;
}

bool fileListOrder(const std::string& a, const std::string& b) {
    const int folded = compareFolded(a, b);
    return folded != 0 ? folded < 0 : a < b;
}

int addToFileList(std::vector<std::string>& list, const std::string& path) {
    // The dialog shows a stored list sorted and keeps what it shows, so a list loaded
    // in another order comes back sorted, with or without the new entry.
    std::stable_sort(list.begin(), list.end(), fileListOrder);
    for (const std::string& entry : list)
        if (beginsWithFolded(entry, path)) return -1;
    const auto at = list.insert(std::upper_bound(list.begin(), list.end(), path, fileListOrder), path);
    return int(at - list.begin());
}
