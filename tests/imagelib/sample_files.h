#pragma once
// Small picture files made by hand or with libpng/libjpeg directly, independently of
// the library under test: the tests read them through pelgrast, and the seed corpus
// generator writes them out for the fuzz targets.
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

struct Rgb8 {
    uint8_t r, g, b;
    bool operator==(const Rgb8&) const = default;
};

// A Windows bitmap assembled field by field. Layout: file header, info header of
// `headerSize` bytes, masks after a 40-byte header when `masksAfterHeader`, palette,
// pixel data. `pixelOffset` < 0 means "right after the palette".
struct BmpLayout {
    uint32_t headerSize = 40;
    int32_t width = 1;
    int32_t height = 1;  // negative: top-down
    uint16_t bpp = 24;
    uint32_t compression = 0;
    std::vector<uint32_t> masks;  // red, green, blue[, alpha]
    bool masksAfterHeader = false;
    std::vector<Rgb8> palette;
    uint32_t colorsUsed = 0;
    Bytes pixels;  // exactly as stored in the file
    int64_t pixelOffset = -1;
};
Bytes makeBmp(const BmpLayout& layout);

// Rows of palette indices (or values) packed at `bpp` bits each, each row padded to
// 4 bytes, in the order given.
Bytes packRows(const std::vector<std::vector<uint32_t>>& rows, int bpp);

// A PNG written with libpng. `samples` holds width * height * channels values of the
// color type in file order (palette indices for palette pictures).
struct PngLayout {
    int32_t width = 1;
    int32_t height = 1;
    int colorType = 2;  // PNG_COLOR_TYPE_*
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<uint16_t> samples;
    std::vector<Rgb8> palette;
    std::vector<uint8_t> paletteAlpha;  // tRNS for palette pictures
    int trnsGray = -1;                  // tRNS for grey pictures
};
Bytes makePng(const PngLayout& layout);

// A JPEG written with libjpeg: 1 (grey), 3 (RGB) or 4 (CMYK, Adobe-inverted) components.
Bytes makeJpeg(int32_t width, int32_t height, int components, const Bytes& samples, bool progressive, int quality = 95);

// A progressive color JPEG that sends each AC coefficient of each component in its
// own scan: 1 + 189 scans, or 1 + 378 when every coefficient also gets a refinement scan.
Bytes makeManyScanJpeg(int32_t width, int32_t height, bool refine);

// A deterministic test picture, 3 bytes per pixel.
Bytes gradientRgb(int32_t width, int32_t height);

bool writeBytes(const std::string& path, const Bytes& bytes);
Bytes readBytes(const std::string& path);

// One named example of each kind of file the decoders meet (every BMP variant,
// PNG color types and depths, JPEG kinds); used as the fuzzers' seeds.
struct NamedSample {
    std::string name;
    Bytes bytes;
};
std::vector<NamedSample> bmpSamples();
std::vector<NamedSample> pngSamples();
std::vector<NamedSample> jpegSamples();
