#include "exchange/library_search.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <filesystem>

std::string programFolder() {
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0) return {};
    std::string path(buffer, size_t(n));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::vector<std::string> librarySearchFolders(const std::string& ownFolder, const std::string& fromBinDir,
                                              const std::string& configured) {
    std::vector<std::string> folders;
    auto add = [&](const std::string& folder) {
        if (!folder.empty() && std::find(folders.begin(), folders.end(), folder) == folders.end())
            folders.push_back(folder);
    };
    add(ownFolder);
    if (!ownFolder.empty() && !fromBinDir.empty()) {
        // Lexically normal, so that messages name the folder plainly.
        std::string installed = (std::filesystem::path(ownFolder) / fromBinDir).lexically_normal().string();
        if (installed.size() > 1 && installed.back() == '/') installed.pop_back();
        add(installed);
    }
    add(configured);
    return folders;
}

std::vector<std::string> librarySearchFolders() {
#if defined(VOSPREN_INSTALL_LIBDIR) && defined(VOSPREN_LIBDIR_FROM_BINDIR)
    return librarySearchFolders(programFolder(), VOSPREN_LIBDIR_FROM_BINDIR, VOSPREN_INSTALL_LIBDIR);
#else
    return librarySearchFolders(programFolder(), {}, {});
#endif
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
