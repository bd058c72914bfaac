#include "app/data_directory.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

namespace {
std::string g_dataDirectory;

std::string joined(const std::string& base, const char* tail) {
    if (!base.empty() && base.back() == '/') return base + tail;
    return base + "/" + tail;
}
} // namespace

std::string dataDirectoryBase(const EnvironmentLookup& env) {
    for (const char* name : {"KorvintePicture", "APPDATA", "LOCALAPPDATA"}) {
        std::string value = env(name);
        if (!value.empty()) return value;
    }
    // Stand-ins for the two Windows folders, each honouring its XDG variable first.
    const std::string home = env("HOME");
    std::string value = env("XDG_CONFIG_HOME");
    if (!value.empty()) return value;
    if (!home.empty()) return joined(home, ".config");
    value = env("XDG_DATA_HOME");
    if (!value.empty()) return value;
    return {};
}

std::string makeDataDirectory(const std::string& base) {
    if (base.empty()) return {};
    std::string dir = joined(base, "Tolvanea/");
    ::mkdir(dir.c_str(), 0777);
    dir += "KorvintePicture/";
    ::mkdir(dir.c_str(), 0777);
    return dir;
}

std::string processEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

const std::string& dataDirectory() { return g_dataDirectory; }
void setDataDirectory(std::string directory) { g_dataDirectory = std::move(directory); }
