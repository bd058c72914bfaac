// Writes the DIB fuzzer's seed files into <folder>: small bitmaps of every layout
// the decoder reads, from the encoder and with headers edited after it.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "exchange/dib_codec.h"

namespace {

PicturePtr gradient(int32_t w, int32_t h) {
    PicturePtr p = createPicture(w, h, 0);
    for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) storePixel(p.get(), x, y, uint8_t(x * 50), uint8_t(y * 70), uint8_t(x ^ y));
    return p;
}

void put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = uint8_t(v >> (8 * i));
}

// A 32-bit bitmap whose color masks follow its 40-byte header.
std::vector<uint8_t> withMasks(std::vector<uint8_t> dib, uint32_t r, uint32_t g, uint32_t b) {
    put32(dib, 16, 3);
    std::vector<uint8_t> masks(12);
    put32(masks, 0, r);
    put32(masks, 4, g);
    put32(masks, 8, b);
    dib.insert(dib.begin() + 40, masks.begin(), masks.end());
    return dib;
}

// A 32-bit bitmap behind a 124-byte header that holds its color masks.
std::vector<uint8_t> withLargeHeader(std::vector<uint8_t> dib, uint32_t r, uint32_t g, uint32_t b) {
    std::vector<uint8_t> rest(84, 0);
    put32(rest, 0, r);
    put32(rest, 4, g);
    put32(rest, 8, b);
    put32(dib, 0, 124);
    put32(dib, 16, 3);
    dib.insert(dib.begin() + 40, rest.begin(), rest.end());
    return dib;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path root(argv[1]);
    std::filesystem::create_directories(root);
    std::vector<std::pair<std::string, std::vector<uint8_t>>> seeds;
    for (int bits : {24, 32}) {
        for (int32_t w : {1, 3, 4, 5, 7}) {
            const std::string name = std::to_string(bits) + "bit_w" + std::to_string(w);
            seeds.emplace_back(name + ".dib", encodeDib(*gradient(w, 3), bits));
            seeds.emplace_back(name + ".bmp", encodeBmpFile(*gradient(w, 2), bits));
        }
    }
    PicturePtr p = gradient(5, 4);
    std::vector<uint8_t> topDown = encodeDib(*p, 24);
    put32(topDown, 8, uint32_t(-4));
    seeds.emplace_back("topdown24.dib", topDown);
    seeds.emplace_back("masks_bgr.dib", withMasks(encodeDib(*p, 32), 0x00FF0000, 0x0000FF00, 0x000000FF));
    seeds.emplace_back("masks_rgb_v5.dib", withLargeHeader(encodeDib(*p, 32), 0x000000FF, 0x0000FF00, 0x00FF0000));
    std::vector<uint8_t> table = encodeDib(*p, 24);
    put32(table, 32, 2);
    table.insert(table.begin() + 40, 8, 0x7F);
    seeds.emplace_back("colour_table.dib", table);
    seeds.emplace_back("wide_20x10.dib", encodeDib(*gradient(20, 10), 24));

    for (const auto& [name, bytes] : seeds) {
        std::ofstream out(root / name, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "cannot write %s\n", name.c_str());
            return 1;
        }
    }
    return 0;
}
