#include "tests/compositing/fake_tag_library.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

uint8_t fakeLoad(const char* path, uint8_t** buffer, int32_t* width, int32_t* height, uint8_t* hasAlpha, int32_t mode) {
    *buffer = nullptr;
    *width = *height = 0;
    auto& files = FakeTagLibrary::files();
    const auto it = files.find(path);
    // Unknown paths fail without a reason of their own, as a decoder does.
    if (it == files.end() || mode != 1) return 0;
    const FakeTagFile& f = it->second;
    if (f.fails) {
        errno = f.error;
        return 0;
    }
    *width = f.width;
    *height = f.height;
    *hasAlpha = f.hasAlpha ? 1 : 0;
    if (f.nullBuffer) return 1;
    // The buffer holds what the file really has, whatever size it claims.
    *buffer = static_cast<uint8_t*>(std::malloc(f.cells.size() ? f.cells.size() : 1));
    if (!f.cells.empty()) std::memcpy(*buffer, f.cells.data(), f.cells.size());
    ++FakeTagLibrary::outstanding();
    return 1;
}

void fakeFree(void* buffer) {
    --FakeTagLibrary::outstanding();
    std::free(buffer);
}

uint32_t fakeVer() { return 1; }

}  // namespace

std::map<std::string, FakeTagFile>& FakeTagLibrary::files() {
    static std::map<std::string, FakeTagFile> f;
    return f;
}

int& FakeTagLibrary::outstanding() {
    static int n = 0;
    return n;
}

ImageLibrary FakeTagLibrary::library() {
    ImageLibrary lib;
    lib.loadToDisk = fakeLoad;
    lib.free = fakeFree;
    lib.ver = fakeVer;
    return lib;
}

FakeTagFile framedTag(int32_t w, int32_t h, uint32_t seed, bool withAlpha) {
    FakeTagFile f;
    f.width = w;
    f.height = h;
    f.hasAlpha = withAlpha;
    f.cells.resize(size_t(w) * size_t(h) * 4);
    for (int32_t y = 0; y < h; ++y) {
        for (int32_t x = 0; x < w; ++x) {
            uint8_t* c = &f.cells[(size_t(x) + size_t(y) * size_t(w)) * 4];
            seed = seed * 1103515245u + 12345u;
            const bool frame = x == 0 || y == 0 || x == w - 1 || y == h - 1;
            c[0] = frame ? 255 : uint8_t(seed >> 8);
            c[1] = frame ? 255 : uint8_t(seed >> 16);
            c[2] = frame ? 255 : uint8_t(seed >> 24);
            c[3] = withAlpha ? uint8_t((x * 37 + y * 11) & 0xFF) : 255;
        }
    }
    return f;
}
