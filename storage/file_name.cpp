#include "storage/file_name.h"

#include <filesystem>
#include <system_error>

bool hasFileExtension(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t start = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = path.find_last_of('.');
    return dot != std::string::npos && dot >= start && dot + 1 < path.size();
}

std::string withDefaultExtension(const std::string& path, const std::string& extension) {
    if (path.empty() || path.back() == '/' || hasFileExtension(path)) return path;
    // A folder is no name for a file: saving there fails and says why.
    std::error_code ignored;
    if (std::filesystem::is_directory(path, ignored)) return path;
    // "name." gains the extension without a doubled dot.
    if (path.back() == '.' && !extension.empty() && extension.front() == '.') return path + extension.substr(1);
    return path + extension;
}
