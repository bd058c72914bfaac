#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class Interaction;
struct ImageLibrary;

// A picture read from a file for compositing, and every other block of 4-byte cells
// the compositing operations make (rotated tags, the squares circle mix cuts out):
// three color bytes (the picture plane's order) and an opacity byte (0 transparent,
// 255 opaque), rows top to bottom without padding, so cell (x, y) starts at byte
// 4 * (x + y * width).
struct TagImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> pixels;

    const uint8_t* cells() const { return pixels.data(); }
};

// A block of width x height cells, all zero.
inline TagImage blankTagImage(int32_t width, int32_t height) {
    return TagImage{width, height, std::vector<uint8_t>(size_t(width) * size_t(height) * 4)};
}

// A rectangle of cells: columns [x, x + width), rows [y, y + height).
struct CellRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// The size of a block of cells that may not exist yet (a rotation's result, before it
// is made).
struct CellSize {
    int64_t width = 0;
    int64_t height = 0;
};

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

// Whether a cell's color bytes equal the packed key color (the opacity byte plays
// no part); never with no key.
inline bool matchesKeyColor(const uint8_t* cell, uint32_t keyColor) {
    return keyColor != 0xFFFFFFFFu && cell[0] == (keyColor & 0xFF) && cell[1] == ((keyColor >> 8) & 0xFF) &&
           cell[2] == ((keyColor >> 16) & 0xFF);
}

inline constexpr const char* kAccessFileCaption = "accessfile";
// The loader's message, before its path and code are filled in.
std::string openFailedMessage(const std::string& path, int code);
