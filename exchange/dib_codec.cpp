#include "exchange/dib_codec.h"

#include <algorithm>
#include <cstring>

#include "core/plane_memory.h"
#include "exchange/pixel_rows.h"
#include "exchange/png_bands.h"

namespace {

constexpr uint32_t kRgb = 0;             // no compression
constexpr uint32_t kBitFields = 3;       // color masks after a 40-byte header
constexpr uint32_t kAlphaBitFields = 6;  // the same with an alpha mask
constexpr uint64_t kMaskOffset = 40;

// Rows coded together by one thread; each row is coded on its own, so the bands
// give the same bytes whatever the number of threads.
constexpr int64_t kRowsPerBand = 64;

// body(y) for every row y in [0, height), in bands side by side.
template <class Body>
void forEachRow(int64_t height, Body&& body) {
    forEachPngBand((height + kRowsPerBand - 1) / kRowsPerBand, [&](int, int64_t band) {
        const int64_t end = std::min(height, (band + 1) * kRowsPerBand);
        for (int64_t y = band * kRowsPerBand; y < end; ++y) body(y);
    });
}

uint16_t readU16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t readU32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
int32_t readI32(const uint8_t* p) { return int32_t(readU32(p)); }

void writeU16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
void writeU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

// The byte a channel occupies in a 32-bit pixel, or -1 when its mask is not one
// whole byte.
int maskByte(uint32_t mask) {
    for (int i = 0; i < 4; ++i)
        if (mask == 0xFFu << (8 * i)) return i;
    return -1;
}

void writeInfoHeader(uint8_t* h, int32_t width, int32_t height, int bitsPerPixel, uint32_t imageSize) {
    std::memset(h, 0, kDibInfoHeaderSize);
    writeU32(h + 0, uint32_t(kDibInfoHeaderSize));
    writeU32(h + 4, uint32_t(width));
    writeU32(h + 8, uint32_t(height));
    writeU16(h + 12, 1);  // planes
    writeU16(h + 14, uint16_t(bitsPerPixel));
    writeU32(h + 16, kRgb);
    writeU32(h + 20, imageSize);
}

// One stored row into picture cells (alpha 255). The usual layout, blue first, goes
// through the vector conversions; masks that move the channels go the general way.
using RowDecoder = void (*)(const uint8_t* src, uint8_t* dst, int64_t width, const DibHeader& header);

void decodeBgrRow(const uint8_t* src, uint8_t* dst, int64_t width, const DibHeader&) {
    bgrToCells(src, dst, size_t(width));
}

void decodeBgrxRow(const uint8_t* src, uint8_t* dst, int64_t width, const DibHeader&) {
    bgrxToCells(src, dst, size_t(width));
}

void decodeMovedRow(const uint8_t* src, uint8_t* dst, int64_t width, const DibHeader& header) {
    const size_t pixelBytes = header.bitsPerPixel / 8;
    const size_t r = header.redByte, g = header.greenByte, b = header.blueByte;
    for (int64_t x = 0; x < width; ++x, src += pixelBytes, dst += 4) {
        dst[0] = src[r];
        dst[1] = src[g];
        dst[2] = src[b];
        dst[3] = 255;
    }
}

RowDecoder rowDecoder(const DibHeader& header) {
    if (header.redByte == 2 && header.greenByte == 1 && header.blueByte == 0)
        return header.bitsPerPixel == 24 ? decodeBgrRow : decodeBgrxRow;
    return decodeMovedRow;
}

// `size` zero bytes in memory of their own; a large run in large pages, so that
// clearing it costs few page faults.
std::vector<uint8_t> freshBytes(size_t size) {
    std::vector<uint8_t> bytes;
    bytes.reserve(size);
    adviseLargePages(bytes.data(), size);
    bytes.resize(size);
    return bytes;
}

}  // namespace

DibBytes dibBytes(const uint8_t* data, size_t size) {
    DibBytes bytes{data, size, 0};
    if (data && size >= kBmpFileHeaderSize && data[0] == 'B' && data[1] == 'M') {
        bytes.data = data + kBmpFileHeaderSize;
        bytes.size = size - kBmpFileHeaderSize;
        const uint32_t offBits = readU32(data + 10);
        // An offset before the end of the file header is no offset; the info header
        // then says where the rows start.
        bytes.filePixelOffset = offBits > kBmpFileHeaderSize ? offBits - kBmpFileHeaderSize : 0;
    }
    return bytes;
}

DibStatus readDibHeader(const DibBytes& bytes, DibHeader* header) {
    *header = DibHeader{};
    if (!bytes.data || bytes.size < kDibInfoHeaderSize) return DibStatus::NotABitmap;
    const uint8_t* h = bytes.data;
    const uint32_t headerSize = readU32(h);
    // Older and smaller headers put the fields elsewhere; a size past the data is a lie.
    if (headerSize < kDibInfoHeaderSize || headerSize > bytes.size) return DibStatus::NotABitmap;

    const uint16_t bits = readU16(h + 14);
    if (bits != 24 && bits != 32) return DibStatus::BadDepth;
    const uint32_t compression = readU32(h + 16);
    uint64_t headerEnd = headerSize;
    if (compression == kBitFields || compression == kAlphaBitFields) {
        if (bits != 32) return DibStatus::BadDepth;
        const uint64_t maskEnd = kMaskOffset + (compression == kBitFields ? 12 : 16);
        if (maskEnd > bytes.size) return DibStatus::Truncated;
        const int red = maskByte(readU32(h + 40)), green = maskByte(readU32(h + 44)), blue = maskByte(readU32(h + 48));
        if (red < 0 || green < 0 || blue < 0 || red == green || red == blue || green == blue) {
            return DibStatus::BadDepth;
        }
        header->redByte = uint8_t(red);
        header->greenByte = uint8_t(green);
        header->blueByte = uint8_t(blue);
        // After a 40-byte header the masks follow it; larger headers hold them.
        if (headerEnd < maskEnd) headerEnd = maskEnd;
    } else if (compression != kRgb) {
        return DibStatus::BadDepth;
    }

    if (bytes.filePixelOffset != 0) {
        // A file names its own offset; one pointing into the header is refused.
        if (bytes.filePixelOffset < headerEnd) return DibStatus::Truncated;
        header->pixelOffset = bytes.filePixelOffset;
    } else {
        // A color table is optional at these depths and only a hint; skip it.
        header->pixelOffset = headerEnd + uint64_t(readU32(h + 32)) * 4;
    }
    if (header->pixelOffset > bytes.size) return DibStatus::Truncated;

    const int32_t storedHeight = readI32(h + 8);
    header->width = readI32(h + 4);
    header->topDown = storedHeight < 0;
    header->height = storedHeight < 0 ? -int64_t(storedHeight) : int64_t(storedHeight);
    header->bitsPerPixel = bits;
    return DibStatus::Ok;
}

DibStatus decodeDib(const DibBytes& bytes, const DibHeader& header, PicturePtr* picture) {
    picture->reset();
    const int64_t width = header.width, height = header.height;
    if (width <= 0 || height <= 0) return DibStatus::BadSize;
    const size_t pixelBytes = header.bitsPerPixel / 8;
    const uint64_t stride = dibRowLength(width, header.bitsPerPixel);
    const uint64_t lastRow = uint64_t(width) * pixelBytes;
    // Every row must be there up to its last pixel (the last row's padding may be
    // missing). Checked by division, so that no product can wrap.
    if (header.pixelOffset > bytes.size) return DibStatus::Truncated;
    const uint64_t available = bytes.size - header.pixelOffset;
    if (available < lastRow || uint64_t(height - 1) > (available - lastRow) / stride) return DibStatus::Truncated;

    // Below kMaxPicturePixels, which createPicture enforces, both sides fit 32 bits.
    if (width * height > kMaxPicturePixels) return DibStatus::NoMemory;
    // Every cell is written below, so the plane is not whitened first.
    PicturePtr out = createUnfilledPicture(int32_t(width), int32_t(height), 0);
    if (!out) return DibStatus::NoMemory;

    const uint8_t* rows = bytes.data + header.pixelOffset;
    uint8_t* pixels = out->pixels;
    const RowDecoder decodeRow = rowDecoder(header);
    forEachRow(height, [&](int64_t y) {
        const int64_t stored = header.topDown ? y : height - 1 - y;
        decodeRow(rows + uint64_t(stored) * stride, pixels + size_t(y) * size_t(width) * 4, width, header);
    });
    *picture = std::move(out);
    return DibStatus::Ok;
}

DibStatus decodeDib(const uint8_t* data, size_t size, PicturePtr* picture) {
    picture->reset();
    const DibBytes bytes = dibBytes(data, size);
    DibHeader header;
    const DibStatus status = readDibHeader(bytes, &header);
    if (status != DibStatus::Ok) return status;
    return decodeDib(bytes, header, picture);
}

size_t dibSize(const Picture& picture, int bitsPerPixel) {
    if ((bitsPerPixel != 24 && bitsPerPixel != 32) || !picture.pixels || picture.width <= 0 || picture.height <= 0) {
        return 0;
    }
    return kDibInfoHeaderSize + size_t(dibRowLength(picture.width, bitsPerPixel)) * size_t(picture.height);
}

bool encodeDibInto(const Picture& picture, int bitsPerPixel, uint8_t* out) {
    const size_t total = dibSize(picture, bitsPerPixel);
    if (total == 0 || !out) return false;
    const size_t width = size_t(picture.width), height = size_t(picture.height);
    const size_t stride = size_t(dibRowLength(picture.width, bitsPerPixel));
    const size_t imageSize = total - kDibInfoHeaderSize;
    // `out` is usually fresh: its first writes, by the threads below, may then map
    // large pages.
    adviseLargePages(out, total);
    writeInfoHeader(out, picture.width, picture.height, bitsPerPixel,
                    imageSize <= UINT32_MAX ? uint32_t(imageSize) : 0);
    uint8_t* rows = out + kDibInfoHeaderSize;
    const size_t used = width * size_t(bitsPerPixel / 8);
    forEachRow(int64_t(height), [&](int64_t row) {
        const size_t y = size_t(row);
        uint8_t* dst = rows + (height - 1 - y) * stride;
        const uint8_t* src = picture.pixels + y * width * 4;
        if (bitsPerPixel == 24)
            cellsToBgr(src, dst, width);
        else
            cellsToBgrx(src, dst, width);
        std::memset(dst + used, 0, stride - used);  // the row's padding
    });
    return true;
}

std::vector<uint8_t> encodeDib(const Picture& picture, int bitsPerPixel) {
    std::vector<uint8_t> dib = freshBytes(dibSize(picture, bitsPerPixel));
    if (!dib.empty()) encodeDibInto(picture, bitsPerPixel, dib.data());
    return dib;
}

size_t bmpFileSize(const Picture& picture, int bitsPerPixel) {
    const size_t dib = dibSize(picture, bitsPerPixel);
    return dib ? kBmpFileHeaderSize + dib : 0;
}

bool encodeBmpFileInto(const Picture& picture, int bitsPerPixel, uint8_t* out) {
    const size_t total = bmpFileSize(picture, bitsPerPixel);
    if (total == 0 || !out) return false;
    std::memset(out, 0, kBmpFileHeaderSize);
    out[0] = 'B';
    out[1] = 'M';
    // Files past 4 GiB cannot state their size; readers go by the info header then.
    writeU32(out + 2, total <= UINT32_MAX ? uint32_t(total) : 0);
    writeU32(out + 10, uint32_t(kBmpFileHeaderSize + kDibInfoHeaderSize));
    return encodeDibInto(picture, bitsPerPixel, out + kBmpFileHeaderSize);
}

std::vector<uint8_t> encodeBmpFile(const Picture& picture, int bitsPerPixel) {
    std::vector<uint8_t> file = freshBytes(bmpFileSize(picture, bitsPerPixel));
    if (!file.empty()) encodeBmpFileInto(picture, bitsPerPixel, file.data());
    return file;
}

std::vector<uint8_t> encodeTopDownDib32(int32_t width, int32_t height, const uint8_t* rows, size_t stride) {
    if (width <= 0 || height <= 0 || !rows) return {};
    const size_t rowBytes = size_t(width) * 4;
    const size_t imageSize = rowBytes * size_t(height);
    std::vector<uint8_t> dib = freshBytes(kDibInfoHeaderSize + imageSize);
    writeInfoHeader(dib.data(), width, -height, 32, imageSize <= UINT32_MAX ? uint32_t(imageSize) : 0);
    uint8_t* out = dib.data() + kDibInfoHeaderSize;
    forEachRow(height,
               [&](int64_t y) { std::memcpy(out + size_t(y) * rowBytes, rows + size_t(y) * stride, rowBytes); });
    return dib;
}
