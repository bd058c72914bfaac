#include "generators/palette_file.h"

#include <cstddef>
#include <cstdint>

#include "storage/atomic_file.h"
#include "storage/locked_file.h"

namespace {

constexpr size_t kFullPaletteBytes = 3 * Palette::kCapacity;

}  // namespace

bool loadPaletteFile(const std::string& path, Palette& palette) {
    LockedFileReader file(path);
    if (!file.opened()) return false;

    uint8_t countByte = 0;
    palette.count = 0;
    if (file.readFully(&countByte, 1) != 1) return true;  // an empty file is an empty palette

    uint8_t bytes[kFullPaletteBytes];
    if (countByte == 0) {
        // The one-byte count cannot say 256; a full set of colors after a 0 does.
        if (file.readFully(bytes, kFullPaletteBytes) != kFullPaletteBytes) return true;
        for (int32_t i = 0; i < Palette::kCapacity; ++i)
            palette.colors[i] = ShapeColor{bytes[3 * i], bytes[3 * i + 1], bytes[3 * i + 2]};
        palette.count = Palette::kCapacity;
        return true;
    }

    palette.count = countByte;
    // A short file keeps whatever the entries it lacks held before, byte by byte.
    const size_t got = file.readFully(bytes, size_t(countByte) * 3);
    for (size_t b = 0; b < got; ++b) {
        ShapeColor& c = palette.colors[b / 3];
        (b % 3 == 0 ? c.red : b % 3 == 1 ? c.green : c.blue) = bytes[b];
    }
    return true;
}

bool savePaletteFile(const std::string& path, const Palette& palette, std::string* error) {
    int32_t count = palette.count;
    if (count < 0) count = 0;
    if (count > Palette::kCapacity) count = Palette::kCapacity;

    uint8_t bytes[1 + kFullPaletteBytes];
    bytes[0] = static_cast<uint8_t>(count & 0xFF);  // 256 becomes 0, followed by all 768 color bytes
    for (int32_t i = 0; i < count; ++i) {
        bytes[1 + 3 * i] = palette.colors[i].red;
        bytes[2 + 3 * i] = palette.colors[i].green;
        bytes[3 + 3 * i] = palette.colors[i].blue;
    }
    // Written beside the old file and renamed over it: a failed save keeps the old palette.
    return writeFileAtomically(path, bytes, 1 + size_t(count) * 3, error);
}
