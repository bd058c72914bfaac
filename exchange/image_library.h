#pragma once
#include <cstdint>
#include <string>

// The image codec library bound at run time by name (libpelgrast.so), with the
// seven entry points of its C ABI. Any pointer may be null: every use checks.
struct ImageLibrary {
    using SaveToDiskFn = uint8_t (*)(const char* path, const uint8_t* rgb, int32_t width, int32_t height,
                                     int32_t reserved);
    using LoadToDiskFn = uint8_t (*)(const char* path, uint8_t** buffer, int32_t* width, int32_t* height,
                                     uint8_t* hasAlpha, int32_t mode);
    using BmpLoadByWindowsFn = void* (*)();
    using VerFn = uint32_t (*)();
    using FreeFn = void (*)(void* buffer);
    using ExtensionFn = const char* (*)();

    void* handle = nullptr;
    SaveToDiskFn saveToDisk = nullptr;              // "PG_SaveToDisk"
    LoadToDiskFn loadToDisk = nullptr;              // "PG_LoadToDisk"
    BmpLoadByWindowsFn bmpLoadByWindows = nullptr;  // "PG_BMP_LoadByWindows", looked up, never called
    VerFn ver = nullptr;                            // "PG_Ver": without it the library counts as absent
    FreeFn free = nullptr;                          // "PG_Free"
    ExtensionFn supportedExtensionOpen = nullptr;   // "PG_GetSupportedExtensionOpen"
    ExtensionFn supportedExtensionSave = nullptr;   // "PG_GetSupportedExtensionSave"

    bool loaded() const { return ver != nullptr; }
};

// File name of the library, searched for in the running program's folder, then the
// install library folder, then by the system's default search.
inline constexpr const char* kImageLibraryFileName = "libpelgrast.so";

// Loads the library (once per process; later calls return the same record). Returns
// true when it is loaded and exports "PG_Ver"; otherwise `error` gets the reason
// (the dlerror() text or the missing entry point).
bool loadImageLibrary(ImageLibrary& out, std::string* error);

// Binds a library from an explicit path (tests, the command line's --imagelib).
bool loadImageLibraryFrom(const std::string& path, ImageLibrary& out, std::string* error);

// The process-wide record that loadImageLibrary fills.
ImageLibrary& imageLibrary();
