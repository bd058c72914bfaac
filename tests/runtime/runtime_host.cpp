#include "runtime_host.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

struct LoadedRuntime {
    void* handle = nullptr;
    HHFn hh = nullptr;
    RuntimeRoot root{};

    LoadedRuntime() {
        handle = dlopen(RUNTIME_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            std::fprintf(stderr, "cannot load %s: %s\n", RUNTIME_LIBRARY_PATH, dlerror());
            std::abort();
        }
        hh = reinterpret_cast<HHFn>(dlsym(handle, "HH"));
        if (hh == nullptr) {
            std::fprintf(stderr, "no HH in %s\n", RUNTIME_LIBRARY_PATH);
            std::abort();
        }
        root.size = sizeof(RuntimeRoot);
        if (hh(&root) != 1) std::abort();
    }
};

LoadedRuntime& loaded() {
    static LoadedRuntime runtime;  // never unloaded, as in the program
    return runtime;
}

struct ScratchRoot {
    std::filesystem::path path;
    ScratchRoot() {
        char pattern[] = "/tmp/vospren-runtime-XXXXXX";
        char* made = mkdtemp(pattern);
        if (made == nullptr) std::abort();
        path = made;
    }
    ~ScratchRoot() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

}  // namespace

const RuntimeRoot& runtimeRoot() { return loaded().root; }

HHFn runtimeEntry() { return loaded().hh; }

std::string scratchFolder() {
    static ScratchRoot root;
    static int counter = 0;
    std::filesystem::path folder = root.path / std::to_string(++counter);
    std::filesystem::create_directories(folder);
    return folder.string() + "/";
}

std::string readWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}
