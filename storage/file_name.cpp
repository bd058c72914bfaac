#include "storage/file_name.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
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

std::string folderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string writeFailureReason(const std::string& path, int savedErrno) {
    const std::string folder = folderOf(path);
    if (::access(folder.c_str(), W_OK | X_OK) != 0) return std::strerror(errno);
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) return std::strerror(errno);
    if (savedErrno != 0) return std::strerror(savedErrno);
    return "the file could not be written";
}
