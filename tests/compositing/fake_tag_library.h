#pragma once
// An in-process stand-in for the image library's loader: each "path" names a
// picture made in memory, a failure, or a lie about its size, so that the loader's
// handling of every case can be checked without files.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "exchange/image_library.h"

struct FakeTagFile {
    int32_t width = 0, height = 0;
    bool hasAlpha = false;
    std::vector<uint8_t> cells;  // 4 bytes a cell, as mode 1 delivers them
    bool fails = false;          // the library reports failure (with this errno)
    int error = 0;
    bool nullBuffer = false;  // claims success without pixels
};

// The files the fake library knows, by path; loads and releases are counted.
struct FakeTagLibrary {
    static std::map<std::string, FakeTagFile>& files();
    static int& outstanding();  // buffers handed out and not yet released
    static ImageLibrary library();
};

// A w x h picture of varied opaque colors with a white frame one cell wide.
FakeTagFile framedTag(int32_t w, int32_t h, uint32_t seed, bool withAlpha = false);
