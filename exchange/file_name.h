#pragma once
#include <string>

// A file name whose last part has an extension after its dot ("a.png", ".png"; not
// "a.", "a" or "dir.x/a"): what the picture library needs to pick a format.
bool hasFileExtension(const std::string& path);
