// The save dialog's default extension rule and the filter-list format
// (pairs of zero-terminated strings, description then pattern, ended by an
// empty string).
#pragma once

#include <string>
#include <vector>

#include "platform.h"

namespace tolvanea {

std::vector<FileFilter> parseFilterList(const char* filters);

// When name has no extension and filterIndex (1-based) names a pattern of the
// list, the pattern is appended ('*.jpg' appends '.jpg'); otherwise name comes
// back unchanged.
std::string applyDefaultExtension(const std::string& name, const char* filters, int filterIndex);

}  // namespace tolvanea
