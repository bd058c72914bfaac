// Any bytes as a palette file: the reader must stay inside its buffers and leave a
// count the generators can use.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>

#include "generators/palette_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = "/tmp/vospren_palette_fuzz_" + std::to_string(::getpid()) + ".vpal";
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    Palette palette;
    if (loadPaletteFile(path, palette)) {
        if (palette.count < 0 || palette.count > Palette::kCapacity) __builtin_trap();
        Palette again;
        if (savePaletteFile(path, palette) && loadPaletteFile(path, again)) {
            if (again.count != palette.count) __builtin_trap();
            for (int32_t i = 0; i < palette.count; ++i)
                if (!(again.colors[i] == palette.colors[i])) __builtin_trap();
        }
    }
    std::remove(path.c_str());
    return 0;
}
