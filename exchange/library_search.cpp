#include "exchange/library_search.h"

#include <sys/stat.h>
#include <unistd.h>

#include <climits>

std::string programFolder() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    std::string path(buffer, size_t(n));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::vector<std::string> librarySearchFolders() {
    std::vector<std::string> folders;
    const std::string own = programFolder();
    if (!own.empty()) folders.push_back(own);
#ifdef VOSPREN_INSTALL_LIBDIR
    folders.push_back(VOSPREN_INSTALL_LIBDIR);
#endif
    return folders;
}

std::string findLibrary(const std::vector<std::string>& folders, const std::string& fileName) {
    for (const std::string& folder : folders) {
        if (folder.empty()) continue;
        std::string path = folder.back() == '/' ? folder + fileName : folder + "/" + fileName;
        struct stat st {};
        if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) return path;
    }
    return {};
}
