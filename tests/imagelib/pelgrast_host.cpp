#include "pelgrast_host.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace {

template <typename Fn>
void bind(void* handle, const char* name, Fn& slot) {
    slot = reinterpret_cast<Fn>(dlsym(handle, name));
    if (!slot) throw std::runtime_error(std::string("missing entry point ") + name);
}

Pelgrast bindLibrary() {
    void* handle = dlopen(PELGRAST_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    if (!handle) throw std::runtime_error(dlerror());
    Pelgrast p;
    bind(handle, "PG_SaveToDisk", p.save);
    bind(handle, "PG_LoadToDisk", p.load);
    bind(handle, "PG_BMP_LoadByWindows", p.bmpLoadByWindows);
    bind(handle, "PG_Ver", p.ver);
    bind(handle, "PG_Free", p.release);
    bind(handle, "PG_GetSupportedExtensionOpen", p.openFilter);
    bind(handle, "PG_GetSupportedExtensionSave", p.saveFilter);
    return p;
}

size_t largestAllocation = 0;

void recordAllocation(const volatile void*, size_t size) {
    if (size > largestAllocation) largestAllocation = size;
}
void ignoreFree(const volatile void*) {}

}  // namespace

extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*, size_t),
                                                         void (*)(const volatile void*)) __attribute__((weak));

long long largestAllocationDuring(const std::function<void()>& action) {
    static const bool hooked = __sanitizer_install_malloc_and_free_hooks &&
                               __sanitizer_install_malloc_and_free_hooks(recordAllocation, ignoreFree) != 0;
    largestAllocation = 0;
    action();
    return hooked ? (long long)largestAllocation : -1;
}

const char* pelgrastPath() { return PELGRAST_LIBRARY_PATH; }

const Pelgrast& pelgrast() {
    static const Pelgrast library = bindLibrary();
    return library;
}

Loaded loadFile(const std::string& path, int32_t mode) {
    Loaded result;
    uint8_t* buffer = reinterpret_cast<uint8_t*>(uintptr_t(1));  // must be overwritten
    uint8_t alpha = 7;
    result.width = -1;
    result.height = -1;
    result.ok = pelgrast().load(path.c_str(), &buffer, &result.width, &result.height, &alpha, mode) != 0;
    if (!result.ok) {
        // A failure leaves nothing behind for the caller to release.
        if (buffer != nullptr || result.width != 0 || result.height != 0 || alpha != 0)
            ADD_FAILURE() << "a failed load of " << path << " left its outputs set";
        return result;
    }
    result.hasAlpha = alpha != 0;
    const size_t bytes = size_t(result.width) * size_t(result.height) * (mode == PG_MODE_RGBA ? 4 : 3);
    result.pixels.assign(buffer, buffer + bytes);
    pelgrast().release(buffer);
    return result;
}

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "pelgrast-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

Loaded loadBytes(const TempFolder& folder, const Bytes& bytes, int32_t mode, const std::string& name) {
    const std::string path = folder.file(name);
    if (!writeBytes(path, bytes)) throw std::runtime_error("cannot write " + path);
    return loadFile(path, mode);
}
