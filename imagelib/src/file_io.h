#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Reads a regular file whole. Fails for anything else (directories, pipes, devices:
// a pipe or /dev/zero would never end) and for files over `maxBytes`.
bool readWholeFile(const char* path, size_t maxBytes, std::vector<uint8_t>* out);

// Writes `bytes` to a temporary file beside `path` and renames it over `path`, so a
// failed save never leaves a truncated file or destroys the previous one.
bool writeFileAtomically(const char* path, const std::vector<uint8_t>& bytes);
