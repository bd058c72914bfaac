#pragma once
#include <functional>
#include <string>

// Where "main.vscfg" lives: <base>/Tolvanea/KorvintePicture/ (with the trailing
// slash), the base taken from the first of "KorvintePicture", "APPDATA",
// "LOCALAPPDATA" that is set and not empty; without them the XDG folders stand in
// (XDG_CONFIG_HOME or $HOME/.config, then XDG_DATA_HOME or $HOME/.local/share).
using EnvironmentLookup = std::function<std::string(const char* name)>;

// The base folder, or empty when the environment names none.
std::string dataDirectoryBase(const EnvironmentLookup& env);

// Builds the data directory from a base and creates both levels, and the base
// itself when missing (an existing folder is no error, other failures are
// ignored). Empty base gives empty.
std::string makeDataDirectory(const std::string& base);

// The text shown when no base folder is found.
inline constexpr const char* kNoDataDirectoryMessage = "Please specify directory in 'KorvintePicture' environment";

// The process's environment as an EnvironmentLookup.
std::string processEnvironment(const char* name);

// The data directory settled at start-up (empty until then, or when none was found).
const std::string& dataDirectory();
void setDataDirectory(std::string directory);
