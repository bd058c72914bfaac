#include "sample_files.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

#include <jpeglib.h>
#include <png.h>

namespace {

void put16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void put32(Bytes& b, uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

void appendToBytes(png_structp png, png_bytep data, size_t length) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}
void noFlush(png_structp) {}

}  // namespace

Bytes makeBmp(const BmpLayout& s) {
    Bytes info;
    if (s.headerSize == 12) {
        put32(info, 12);
        put16(info, uint32_t(s.width));
        put16(info, uint32_t(s.height));
        put16(info, 1);
        put16(info, s.bpp);
    } else {
        put32(info, s.headerSize);
        put32(info, uint32_t(s.width));
        put32(info, uint32_t(s.height));
        put16(info, 1);
        put16(info, s.bpp);
        put32(info, s.compression);
        put32(info, uint32_t(s.pixels.size()));
        put32(info, 2835);
        put32(info, 2835);
        put32(info, s.colorsUsed);
        put32(info, 0);
        if (!s.masksAfterHeader)
            for (size_t i = 0; i < s.masks.size() && info.size() < s.headerSize; ++i) put32(info, s.masks[i]);
        info.resize(s.headerSize, 0);
    }
    Bytes after;
    if (s.masksAfterHeader)
        for (uint32_t m : s.masks) put32(after, m);
    for (const Rgb8& c : s.palette) {
        after.push_back(c.b);
        after.push_back(c.g);
        after.push_back(c.r);
        if (s.headerSize != 12) after.push_back(0);
    }
    const size_t natural = 14 + info.size() + after.size();
    const size_t offset = s.pixelOffset < 0 ? natural : size_t(s.pixelOffset);
    Bytes file{'B', 'M'};
    put32(file, uint32_t(std::max(natural, offset) + s.pixels.size()));
    put32(file, 0);
    put32(file, uint32_t(offset));
    file.insert(file.end(), info.begin(), info.end());
    file.insert(file.end(), after.begin(), after.end());
    if (file.size() < offset) file.resize(offset, 0);
    file.insert(file.end(), s.pixels.begin(), s.pixels.end());
    return file;
}

Bytes packRows(const std::vector<std::vector<uint32_t>>& rows, int bpp) {
    Bytes out;
    for (const auto& row : rows) {
        Bytes line;
        uint32_t acc = 0;
        int bits = 0;
        for (uint32_t v : row) {
            if (bpp >= 8) {
                for (int i = 0; i < bpp / 8; ++i) line.push_back(uint8_t(v >> (8 * i)));
                continue;
            }
            acc = (acc << bpp) | (v & ((1u << bpp) - 1));
            bits += bpp;
            if (bits == 8) {
                line.push_back(uint8_t(acc));
                acc = 0;
                bits = 0;
            }
        }
        if (bits > 0) line.push_back(uint8_t(acc << (8 - bits)));
        while (line.size() % 4) line.push_back(0);
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

Bytes makePng(const PngLayout& s) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return {};
    }
    png_set_write_fn(png, &out, appendToBytes, noFlush);
    png_set_IHDR(png, info, png_uint_32(s.width), png_uint_32(s.height), s.bitDepth, s.colorType,
                 s.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> palette;
    for (const Rgb8& c : s.palette) palette.push_back(png_color{c.r, c.g, c.b});
    if (!palette.empty()) png_set_PLTE(png, info, palette.data(), int(palette.size()));
    if (!s.paletteAlpha.empty()) png_set_tRNS(png, info, s.paletteAlpha.data(), int(s.paletteAlpha.size()), nullptr);
    if (s.trnsGray >= 0) {
        png_color_16 key{};
        key.gray = png_uint_16(s.trnsGray);
        png_set_tRNS(png, info, nullptr, 0, &key);
    }
    png_write_info(png, info);
    const int channels = s.colorType == PNG_COLOR_TYPE_RGB          ? 3
                         : s.colorType == PNG_COLOR_TYPE_RGB_ALPHA  ? 4
                         : s.colorType == PNG_COLOR_TYPE_GRAY_ALPHA ? 2
                                                                    : 1;
    const size_t perRow = size_t(s.width) * size_t(channels);
    std::vector<Bytes> rows;
    for (int32_t y = 0; y < s.height; ++y) {
        Bytes row;
        uint32_t acc = 0;
        int bits = 0;
        for (size_t i = 0; i < perRow; ++i) {
            const uint16_t v = s.samples[size_t(y) * perRow + i];
            if (s.bitDepth == 16) {
                row.push_back(uint8_t(v >> 8));
                row.push_back(uint8_t(v));
            } else if (s.bitDepth == 8) {
                row.push_back(uint8_t(v));
            } else {
                acc = (acc << s.bitDepth) | v;
                bits += s.bitDepth;
                if (bits == 8) {
                    row.push_back(uint8_t(acc));
                    acc = bits = 0;
                }
            }
        }
        if (bits > 0) row.push_back(uint8_t(acc << (8 - bits)));
        rows.push_back(row);
    }
    std::vector<png_bytep> pointers;
    for (Bytes& r : rows) pointers.push_back(r.data());
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

Bytes makeJpeg(int32_t width, int32_t height, int components, const Bytes& samples, bool progressive, int quality) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    if (progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    const size_t rowBytes = size_t(width) * size_t(components);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(samples.data() + cinfo.next_scanline * rowBytes);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

Bytes makeManyScanJpeg(int32_t width, int32_t height, bool refine) {
    std::vector<jpeg_scan_info> scans;
    jpeg_scan_info dc{};
    dc.comps_in_scan = 3;
    for (int c = 0; c < 3; ++c) dc.component_index[c] = c;
    scans.push_back(dc);
    for (int pass = 0; pass < (refine ? 2 : 1); ++pass)
        for (int k = 1; k < 64; ++k)
            for (int c = 0; c < 3; ++c) {
                jpeg_scan_info ac{};
                ac.comps_in_scan = 1;
                ac.component_index[0] = c;
                ac.Ss = ac.Se = k;
                ac.Ah = refine && pass == 1 ? 1 : 0;
                ac.Al = refine && pass == 0 ? 1 : 0;
                scans.push_back(ac);
            }
    const Bytes rgb = gradientRgb(width, height);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr err{};
    cinfo.err = jpeg_std_error(&err);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    cinfo.scan_info = scans.data();
    cinfo.num_scans = int(scans.size());
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.data() + cinfo.next_scanline * size_t(width) * 3);
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

Bytes gradientRgb(int32_t width, int32_t height) {
    Bytes out;
    out.reserve(size_t(width) * size_t(height) * 3);
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            out.push_back(uint8_t(x * 255 / std::max(1, width - 1)));
            out.push_back(uint8_t(y * 255 / std::max(1, height - 1)));
            out.push_back(uint8_t((x * 7 + y * 13) & 0xFF));
        }
    return out;
}

bool writeBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return bool(f);
}

Bytes readBytes(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

std::vector<NamedSample> bmpSamples() {
    const std::vector<Rgb8> four = {{0, 0, 0}, {255, 0, 0}, {0, 255, 0}, {0, 0, 255}};
    std::vector<NamedSample> out;
    const std::vector<std::vector<uint32_t>> indexRows = {{0, 1, 2, 3, 1}, {3, 2, 1, 0, 2}, {1, 1, 3, 3, 0}};
    for (int bpp : {1, 4, 8}) {
        BmpLayout s;
        s.width = 5;
        s.height = 3;
        s.bpp = uint16_t(bpp);
        s.palette = bpp == 1 ? std::vector<Rgb8>{four[0], four[1]} : four;
        auto rows = indexRows;
        if (bpp == 1)
            for (auto& r : rows)
                for (auto& v : r) v &= 1;
        s.pixels = packRows(rows, bpp);
        out.push_back({"bmp" + std::to_string(bpp), makeBmp(s)});
    }
    {
        BmpLayout s;
        s.width = 3;
        s.height = -2;
        s.bpp = 24;
        s.pixels = packRows({{0x0000FF, 0x00FF00, 0xFF0000}, {0xFFFFFF, 0x808080, 0x000000}}, 24);
        out.push_back({"bmp24_topdown", makeBmp(s)});
    }
    {
        BmpLayout s;
        s.width = 3;
        s.height = 2;
        s.bpp = 16;
        s.pixels = packRows({{0x7C00, 0x03E0, 0x001F}, {0x7FFF, 0x4210, 0x0000}}, 16);
        out.push_back({"bmp16_555", makeBmp(s)});
        s.compression = 3;
        s.masks = {0xF800, 0x07E0, 0x001F};
        s.masksAfterHeader = true;
        s.pixels = packRows({{0xF800, 0x07E0, 0x001F}, {0xFFFF, 0x8410, 0x0000}}, 16);
        out.push_back({"bmp16_565", makeBmp(s)});
    }
    {
        BmpLayout s;
        s.headerSize = 124;
        s.width = 2;
        s.height = 2;
        s.bpp = 32;
        s.compression = 3;
        s.masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
        s.pixels = packRows({{0x80FF0000, 0xFF00FF00}, {0x000000FF, 0x40FFFFFF}}, 32);
        out.push_back({"bmp32_v5_alpha", makeBmp(s)});
    }
    {
        BmpLayout s;
        s.headerSize = 12;
        s.width = 2;
        s.height = 2;
        s.bpp = 8;
        s.palette = four;
        s.pixels = packRows({{1, 2}, {3, 0}}, 8);
        out.push_back({"bmp8_core", makeBmp(s)});
    }
    {
        BmpLayout s;  // RLE8: a run, an absolute run, end of line, a delta, end of bitmap
        s.width = 6;
        s.height = 3;
        s.bpp = 8;
        s.compression = 1;
        s.palette = four;
        s.pixels = {3, 1, 0, 3, 2, 3, 2, 0, 0, 0, 0, 2, 1, 1, 2, 3, 0, 1};
        out.push_back({"bmp_rle8", makeBmp(s)});
    }
    {
        BmpLayout s;  // RLE4: an alternating run, an absolute run of 3, end of line, end of bitmap
        s.width = 5;
        s.height = 2;
        s.bpp = 4;
        s.compression = 2;
        s.palette = four;
        s.pixels = {4, 0x12, 0, 3, 0x31, 0x20, 0, 0, 5, 0x33, 0, 1};
        out.push_back({"bmp_rle4", makeBmp(s)});
    }
    return out;
}

std::vector<NamedSample> pngSamples() {
    std::vector<NamedSample> out;
    const Bytes rgb = gradientRgb(7, 5);
    PngLayout s;
    s.width = 7;
    s.height = 5;
    s.samples.assign(rgb.begin(), rgb.end());
    out.push_back({"rgb8", makePng(s)});
    s.interlaced = true;
    out.push_back({"rgb8_interlaced", makePng(s)});

    PngLayout a;
    a.width = 3;
    a.height = 2;
    a.colorType = PNG_COLOR_TYPE_RGB_ALPHA;
    a.bitDepth = 16;
    a.samples = {65535, 0,   0,   65535, 0,     65535, 0,     32768, 0, 0, 65535, 0,
                 257,   514, 771, 1028,  65535, 65535, 65535, 65535, 0, 0, 0,     0};
    out.push_back({"rgba16", makePng(a)});

    PngLayout g;
    g.width = 9;
    g.height = 2;
    g.colorType = PNG_COLOR_TYPE_GRAY;
    g.bitDepth = 1;
    g.samples = {1, 0, 1, 1, 0, 0, 1, 0, 1, 0, 1, 0, 0, 1, 1, 0, 1, 0};
    out.push_back({"gray1", makePng(g)});

    PngLayout p;
    p.width = 4;
    p.height = 2;
    p.colorType = PNG_COLOR_TYPE_PALETTE;
    p.bitDepth = 2;
    p.palette = {{10, 20, 30}, {200, 100, 50}, {0, 255, 0}, {1, 2, 3}};
    p.paletteAlpha = {255, 128};
    p.samples = {0, 1, 2, 3, 3, 2, 1, 0};
    out.push_back({"palette2_trns", makePng(p)});

    PngLayout ga;
    ga.width = 2;
    ga.height = 2;
    ga.colorType = PNG_COLOR_TYPE_GRAY_ALPHA;
    ga.bitDepth = 8;
    ga.samples = {0, 255, 100, 50, 200, 0, 255, 255};
    out.push_back({"gray_alpha8", makePng(ga)});
    return out;
}

std::vector<NamedSample> jpegSamples() {
    std::vector<NamedSample> out;
    const Bytes rgb = gradientRgb(17, 11);
    out.push_back({"rgb_baseline", makeJpeg(17, 11, 3, rgb, false)});
    out.push_back({"rgb_progressive", makeJpeg(17, 11, 3, rgb, true)});
    Bytes grey(9 * 8);
    for (size_t i = 0; i < grey.size(); ++i) grey[i] = uint8_t(i * 3);
    out.push_back({"grey", makeJpeg(9, 8, 1, grey, false)});
    Bytes cmyk(4 * 4 * 4, 200);
    out.push_back({"cmyk", makeJpeg(4, 4, 4, cmyk, false)});
    return out;
}
