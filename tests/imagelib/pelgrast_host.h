#pragma once
// The tests' view of pelgrast: the built libpelgrast.so bound by dlopen, as the
// program binds it, plus a temporary folder per test.
#include <cstdint>
#include <string>

#include "pelgrast.h"
#include "sample_files.h"

struct Pelgrast {
    decltype(&PG_SaveToDisk) save = nullptr;
    decltype(&PG_LoadToDisk) load = nullptr;
    decltype(&PG_BMP_LoadByWindows) bmpLoadByWindows = nullptr;
    decltype(&PG_Ver) ver = nullptr;
    decltype(&PG_Free) release = nullptr;
    decltype(&PG_GetSupportedExtensionOpen) openFilter = nullptr;
    decltype(&PG_GetSupportedExtensionSave) saveFilter = nullptr;
};

// Loaded once; every entry point is checked to be present.
const Pelgrast& pelgrast();
const char* pelgrastPath();

// The outcome of PG_LoadToDisk with the buffer copied out and released.
struct Loaded {
    bool ok = false;
    int32_t width = 0;
    int32_t height = 0;
    bool hasAlpha = false;
    Bytes pixels;
};
Loaded loadFile(const std::string& path, int32_t mode = PG_MODE_RGB);

// A fresh folder, removed with everything in it when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The largest single allocation made while `action` runs, when the sanitizer
// runtime can report allocations (the test build); -1 when it cannot.
#include <functional>
long long largestAllocationDuring(const std::function<void()>& action);

// Writes `bytes` to a file in `folder` and loads it.
Loaded loadBytes(const TempFolder& folder, const Bytes& bytes, int32_t mode = PG_MODE_RGB,
                 const std::string& name = "input.bin");
