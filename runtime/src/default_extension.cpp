#include "default_extension.h"

#include <cstring>

namespace tolvanea {

std::vector<FileFilter> parseFilterList(const char* filters) {
    std::vector<FileFilter> list;
    if (filters == nullptr) return list;
    const char* p = filters;
    while (*p != '\0') {
        FileFilter filter;
        filter.description = p;
        p += std::strlen(p) + 1;
        if (*p == '\0') break;  // a description without its pattern ends the list
        filter.pattern = p;
        p += std::strlen(p) + 1;
        list.push_back(filter);
    }
    return list;
}

std::string applyDefaultExtension(const std::string& name, const char* filters, int filterIndex) {
    std::size_t nameStart = name.find_last_of("\\/");
    nameStart = nameStart == std::string::npos ? 0 : nameStart + 1;
    if (name.find('.', nameStart) != std::string::npos || filterIndex < 1 || filters == nullptr) return name;
    // The pattern of filter n is the 2n-th string of the list.
    const char* p = filters;
    for (int string = 1; string < 2 * filterIndex; ++string) {
        if (*p == '\0') return name;
        p += std::strlen(p) + 1;
    }
    if (*p == '\0') return name;
    return name + (p[0] == '*' ? p + 1 : p);
}

}  // namespace tolvanea
