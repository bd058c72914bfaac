#pragma once
#include <cstddef>
#include <cstdint>

enum class FileFormat { unknown, png, jpeg, bmp };

// Recognises a file by its first bytes (the name plays no part in loading).
FileFormat formatFromContent(const uint8_t* data, size_t size);

// The format a path asks for when saving: its extension, in any letter case.
FileFormat formatFromExtension(const char* path);
