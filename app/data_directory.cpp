#include "app/data_directory.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {
std::string g_dataDirectory;

std::string joined(const std::string& base, const char* tail) {
    if (!base.empty() && base.back() == '/') return base + tail;
    return base + "/" + tail;
}
}  // namespace

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
    // The XDG stand-ins need not exist yet on a fresh account, so missing parents
    // are made too. Failures are ignored: the configuration file then fails on its own.
    const std::string dir = joined(base, "Tolvanea/KorvintePicture/");
    std::error_code ignored;
    std::filesystem::create_directories(dir, ignored);
    return dir;
}

std::string processEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

const std::string& dataDirectory() { return g_dataDirectory; }
void setDataDirectory(std::string directory) { g_dataDirectory = std::move(directory); }
