#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "compositing/cell_block.h"

class Interaction;
struct ImageLibrary;

// One picture read from a file for compositing: red, green, blue and an opacity
// byte per cell (the loader's mode 1), rows top to bottom. A turned tag is the same
// kind of block.
using TagImage = CellBlock;

// Reads `path` through the image library in mode 1 (4 bytes a cell). For a file
// without opacity values of its own, cells of `keyColor` (0x00BBGGRR; no key when it
// is PaintSettings::kNoBlendColor) get opacity 0; files with opacity keep theirs.
//
// On failure (entry point missing, unreadable or malformed file, a size beyond a
// picture's, no memory) shows "Error openging file <path> error <code>" with the
// caption "accessfile" and returns nothing. The code is the system's error number
// for the file (2: no such file, 21: a directory, 27: too large, 12: no memory), 0
// when the file is there but could not be decoded.
std::optional<TagImage> loadTagImage(const ImageLibrary& library, const std::string& path, uint32_t keyColor,
                                     Interaction& ui);

// Whether a cell's colour bytes equal the packed key colour (the opacity byte plays
// no part); never with no key.
inline bool matchesKeyColor(const uint8_t* cell, uint32_t keyColor) {
    return keyColor != 0xFFFFFFFFu && cell[0] == (keyColor & 0xFF) && cell[1] == ((keyColor >> 8) & 0xFF) &&
           cell[2] == ((keyColor >> 16) & 0xFF);
}

inline constexpr const char* kAccessFileCaption = "accessfile";
// The loader's message, before its path and code are filled in.
std::string openFailedMessage(const std::string& path, int code);
