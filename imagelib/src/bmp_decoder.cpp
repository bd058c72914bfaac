#include "bmp_decoder.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "file_io.h"
#include "picture_limits.h"
#include "row_bands.h"
#include "wide_rows.h"

namespace {

constexpr uint32_t kBiRgb = 0, kBiRle8 = 1, kBiRle4 = 2, kBiBitfields = 3, kBiAlphaBitfields = 6;
constexpr size_t kFileHeaderSize = 14;

uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
uint32_t le32(const uint8_t* p) {
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

struct Rgb {
    uint8_t r = 0, g = 0, b = 0;
};

// One channel of a bit-field pixel: where its bits are and how to widen them to 8.
struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    bool set(uint32_t m) {
        mask = m;
        if (m == 0) return true;
        shift = std::countr_zero(m);
        bits = std::popcount(m);
        // Only contiguous masks make sense; a gap would scramble the value.
        return (uint64_t(m) >> shift) == (uint64_t(1) << bits) - 1;
    }
    uint8_t extract(uint32_t pixel) const {
        if (mask == 0) return 0;
        const uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8) return uint8_t(v >> (bits - 8));
        const uint32_t maxValue = (uint32_t(1) << bits) - 1;
        return uint8_t((v * 255 + maxValue / 2) / maxValue);
    }
};

struct Header {
    int32_t width = 0;
    int32_t height = 0;  // always positive here; see topDown
    bool topDown = false;
    int bpp = 0;
    uint32_t compression = kBiRgb;
    size_t paletteStart = 0;
    size_t paletteEntrySize = 4;
    uint32_t paletteCount = 0;
    size_t pixelOffset = 0;
    Channel red, green, blue, alpha;
};

bool parseHeader(const uint8_t* data, size_t size, Header& h) {
    if (size < kFileHeaderSize + 4 || data[0] != 'B' || data[1] != 'M') return false;
    const uint32_t headerSize = le32(data + kFileHeaderSize);
    const uint8_t* info = data + kFileHeaderSize;
    if (headerSize != 12 && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 &&
        headerSize != 124)
        return false;
    if (size < kFileHeaderSize + headerSize) return false;

    int64_t width = 0, height = 0;
    uint32_t colorsUsed = 0;
    size_t masksAfterHeader = 0;
    uint32_t masks[4] = {0, 0, 0, 0};
    if (headerSize == 12) {
        width = le16(info + 4);
        height = le16(info + 6);
        h.bpp = le16(info + 10);
        h.paletteEntrySize = 3;
        if (h.bpp != 1 && h.bpp != 4 && h.bpp != 8 && h.bpp != 24) return false;
    } else {
        width = int32_t(le32(info + 4));
        height = int32_t(le32(info + 8));
        h.bpp = le16(info + 14);
        h.compression = le32(info + 16);
        colorsUsed = le32(info + 32);
        if (h.compression == kBiBitfields || h.compression == kBiAlphaBitfields) {
            const int count = h.compression == kBiAlphaBitfields ? 4 : 3;
            // Plain info headers keep their masks right after the header; newer ones
            // inside it, as many as their size holds (the alpha mask from 56 bytes on).
            int present = (int(headerSize) - 40) / 4;
            if (headerSize == 40) {
                masksAfterHeader = size_t(count) * 4;
                if (size < kFileHeaderSize + headerSize + masksAfterHeader) return false;
                present = count;
            }
            for (int i = 0; i < 4 && i < present; ++i) masks[i] = le32(info + 40 + 4 * i);
        }
    }
    if (height < 0) {
        h.topDown = true;
        height = -height;  // from int32_t, so INT_MIN becomes 2^31 and fails the limit below
    }
    if (!pictureSizeAllowed(width, height)) return false;
    h.width = int32_t(width);
    h.height = int32_t(height);

    switch (h.compression) {
    case kBiRgb:
        if (h.bpp != 1 && h.bpp != 4 && h.bpp != 8 && h.bpp != 16 && h.bpp != 24 && h.bpp != 32) return false;
        if (h.bpp == 16) {
            masks[0] = 0x7C00;
            masks[1] = 0x03E0;
            masks[2] = 0x001F;
        } else if (h.bpp == 32) {
            masks[0] = 0x00FF0000;
            masks[1] = 0x0000FF00;
            masks[2] = 0x000000FF;
        }
        masks[3] = 0;  // the fourth byte of a plain 32-bit pixel is padding
        break;
    case kBiRle8:
        if (h.bpp != 8) return false;
        break;
    case kBiRle4:
        if (h.bpp != 4) return false;
        break;
    case kBiBitfields:
    case kBiAlphaBitfields:
        if (h.bpp != 16 && h.bpp != 32) return false;
        break;
    default:
        return false;
    }
    if (h.bpp == 16 || h.bpp == 32) {
        if (h.bpp == 16)
            for (uint32_t m : masks)
                if (m > 0xFFFF) return false;
        if ((masks[0] | masks[1] | masks[2]) == 0) return false;
        for (int i = 0; i < 4; ++i)
            for (int j = i + 1; j < 4; ++j)
                if (masks[i] & masks[j]) return false;
        if (!h.red.set(masks[0]) || !h.green.set(masks[1]) || !h.blue.set(masks[2]) || !h.alpha.set(masks[3]))
            return false;
    }

    h.paletteStart = kFileHeaderSize + headerSize + masksAfterHeader;
    h.pixelOffset = le32(data + 10);
    if (h.pixelOffset < h.paletteStart || h.pixelOffset >= size) return false;
    if (h.bpp <= 8) {
        const uint32_t full = uint32_t(1) << h.bpp;
        uint32_t count = colorsUsed == 0 ? full : colorsUsed;
        if (count > full) count = full;
        // The palette cannot extend into the pixels.
        const size_t room = (h.pixelOffset - h.paletteStart) / h.paletteEntrySize;
        if (count > room) count = uint32_t(room);
        h.paletteCount = count;
    }
    return true;
}

// The output row that file row `fileRow` lands in.
inline int32_t targetRow(const Header& h, int64_t fileRow) {
    return h.topDown ? int32_t(fileRow) : int32_t(h.height - 1 - fileRow);
}

uint64_t rowStride(const Header& h) { return ((uint64_t(h.width) * uint64_t(h.bpp) + 31) / 32) * 4; }

// How a row of an uncompressed bitmap becomes pixels: the common layouts by fixed
// byte places, everything else through the palette or the masks.
enum class RowKind { palette, bgr24, bgrx32, masks };

RowKind rowKind(const Header& h) {
    if (h.bpp <= 8) return RowKind::palette;
    if (h.bpp == 24) return RowKind::bgr24;
    // Whole-byte masks in the usual places read the same bytes the masks would.
    if (h.bpp == 32 && h.red.mask == 0x00FF0000 && h.green.mask == 0x0000FF00 && h.blue.mask == 0x000000FF &&
        (h.alpha.mask == 0 || h.alpha.mask == 0xFF000000))
        return RowKind::bgrx32;
    return RowKind::masks;
}

// A row of S-byte pixels in blue, green, red order (then alpha when kAlpha) into
// C-byte pixels in red, green, blue order: fixed byte places, so the loop vectorises.
template <int C, int S, bool kAlpha>
ROWS_BODY void swapRow(const uint8_t* __restrict src, uint8_t* __restrict dst, int32_t width) {
    for (int32_t x = 0; x < width; ++x) {
        dst[C * x] = src[S * x + 2];
        dst[C * x + 1] = src[S * x + 1];
        dst[C * x + 2] = src[S * x];
        if constexpr (C == 4) dst[C * x + 3] = kAlpha ? src[S * x + 3] : 255;
    }
}

template <int C>
ROWS_BODY void decodeRow(const Header& h, RowKind kind, const Rgb* palette, const uint8_t* __restrict src,
                         uint8_t* __restrict dst) {
    const int32_t width = h.width;
    switch (kind) {
    case RowKind::bgr24:
        swapRow<C, 3, false>(src, dst, width);
        return;
    case RowKind::bgrx32:
        if (h.alpha.mask != 0) {
            swapRow<C, 4, true>(src, dst, width);
        } else {
            swapRow<C, 4, false>(src, dst, width);
        }
        return;
    case RowKind::palette: {
        if (h.bpp == 8) {
            for (int32_t x = 0; x < width; ++x, dst += C) {
                const Rgb& c = palette[src[x]];
                storeRgba(dst, C, c.r, c.g, c.b, 255);
            }
            return;
        }
        const int perByte = 8 / h.bpp;
        const unsigned valueMask = (1u << h.bpp) - 1;
        for (int32_t x = 0; x < width; ++x, dst += C) {
            const int shift = 8 - h.bpp * (x % perByte + 1);
            const Rgb& c = palette[(src[x / perByte] >> shift) & valueMask];
            storeRgba(dst, C, c.r, c.g, c.b, 255);
        }
        return;
    }
    case RowKind::masks: {
        const int bytesPerPixel = h.bpp / 8;
        const bool withAlpha = h.alpha.mask != 0;
        for (int32_t x = 0; x < width; ++x, src += bytesPerPixel, dst += C) {
            const uint32_t px = bytesPerPixel == 2 ? le16(src) : le32(src);
            storeRgba(dst, C, h.red.extract(px), h.green.extract(px), h.blue.extract(px),
                      withAlpha ? h.alpha.extract(px) : 255);
        }
        return;
    }
    }
}

// File rows [begin, end), stored one after the other from `rows`, into their places.
template <int C>
ROWS_BODY void decodeRowsBody(const Header& h, const Rgb* palette, const uint8_t* rows, int64_t begin, int64_t end,
                              uint8_t* out) {
    const RowKind kind = rowKind(h);
    const uint64_t stride = rowStride(h);
    const size_t rowBytes = size_t(h.width) * C;
    for (int64_t fileRow = begin; fileRow < end; ++fileRow, rows += stride)
        decodeRow<C>(h, kind, palette, rows, out + size_t(targetRow(h, fileRow)) * rowBytes);
}

template <int C>
ROWS_WIDE_TARGET void decodeRowsWide(const Header& h, const Rgb* palette, const uint8_t* rows, int64_t begin,
                                     int64_t end, uint8_t* out) {
    decodeRowsBody<C>(h, palette, rows, begin, end, out);
}

template <int C>
void decodeRowsBaseline(const Header& h, const Rgb* palette, const uint8_t* rows, int64_t begin, int64_t end,
                        uint8_t* out) {
    decodeRowsBody<C>(h, palette, rows, begin, end, out);
}

void decodeRows(const Header& h, const Rgb* palette, int channels, const uint8_t* rows, int64_t begin, int64_t end,
                uint8_t* out) {
    const bool wide = wideRowsAvailable();
    if (channels == 3)
        (wide ? decodeRowsWide<3> : decodeRowsBaseline<3>)(h, palette, rows, begin, end, out);
    else
        (wide ? decodeRowsWide<4> : decodeRowsBaseline<4>)(h, palette, rows, begin, end, out);
}

// Where the stored rows come from: the whole file in memory, or an open file read a
// chunk at a time.
struct RowSource {
    const uint8_t* memory = nullptr;
    int fd = -1;
};

// Rows a thread decodes at least; and how much of the file a thread reads at a time,
// small enough to stay in the cache between the read and the decoding.
constexpr int64_t kRowGrain = 64;
constexpr uint64_t kChunkBytes = 512u << 10;

// The caller has checked that stride * height bytes follow the pixel offset. Fails
// only when the file ends early or cannot be read.
bool decodeUncompressed(const RowSource& source, const Header& h, const Rgb* palette, int channels, uint8_t* out) {
    const uint64_t stride = rowStride(h);
    const int64_t bands = rowBandCount(h.height, kRowGrain);
    if (source.memory) {
        const uint8_t* rows = source.memory + h.pixelOffset;
        forEachRowBand(h.height, bands, [&](int64_t, int64_t begin, int64_t end) {
            decodeRows(h, palette, channels, rows + uint64_t(begin) * stride, begin, end, out);
        });
        return true;
    }
    // Each band reads its own rows into a buffer of its own, so the reads and the
    // decoding go on side by side and the file never sits whole in memory.
    const int64_t chunkRows = int64_t(std::clamp<uint64_t>(kChunkBytes / stride, 1, uint64_t(h.height)));
    std::vector<std::unique_ptr<uint8_t[]>> buffers;
    for (int64_t b = 0; b < bands; ++b) buffers.emplace_back(new uint8_t[size_t(chunkRows) * stride]);
    std::atomic<bool> failed{false};
    forEachRowBand(h.height, bands, [&](int64_t band, int64_t begin, int64_t end) {
        uint8_t* buffer = buffers[size_t(band)].get();
        for (int64_t first = begin; first < end; first += chunkRows) {
            if (failed.load(std::memory_order_relaxed)) return;
            const int64_t last = std::min(end, first + chunkRows);
            const size_t length = size_t(last - first) * stride;
            if (readFileAt(source.fd, h.pixelOffset + uint64_t(first) * stride, buffer, length) != length) {
                failed.store(true, std::memory_order_relaxed);
                return;
            }
            decodeRows(h, palette, channels, buffer, first, last, out);
        }
    });
    return !failed.load();
}

// RLE8 and RLE4. Runs are clipped at the end of their row, cursor moves outside the
// picture write nothing, and every step consumes input, so time is bounded by the
// data plus the pixels written.
bool decodeRle(const uint8_t* data, size_t size, const Header& h, const Rgb* palette, int channels, uint8_t* out) {
    const bool four = h.compression == kBiRle4;
    const size_t rowBytes = size_t(h.width) * size_t(channels);
    const uint8_t* p = data + h.pixelOffset;
    const uint8_t* end = data + size;
    int64_t x = 0, y = 0;

    auto put = [&](uint8_t index) {
        if (x < h.width && y < h.height) {
            const Rgb& c = palette[index];
            storeRgba(out + size_t(targetRow(h, y)) * rowBytes + size_t(x) * size_t(channels), channels, c.r, c.g, c.b,
                      255);
        }
        ++x;
    };

    while (y < h.height) {
        if (end - p < 2) return false;  // ended before the end-of-bitmap marker
        const uint8_t count = p[0], value = p[1];
        p += 2;
        if (count > 0) {
            const int64_t n = std::min<int64_t>(count, h.width - x > 0 ? h.width - x : 0);
            for (int64_t i = 0; i < n; ++i) put(four ? ((i & 1) ? value & 0x0F : value >> 4) : value);
            x += count - n;
            continue;
        }
        if (value == 0) {  // end of line
            x = 0;
            ++y;
        } else if (value == 1) {  // end of bitmap
            break;
        } else if (value == 2) {  // delta
            if (end - p < 2) return false;
            x += p[0];
            y += p[1];
            p += 2;
        } else {  // absolute run of `value` pixels, padded to a 16-bit boundary
            const size_t bytes = four ? (size_t(value) + 1) / 2 : value;
            const size_t padded = (bytes + 1) & ~size_t(1);
            if (size_t(end - p) < padded) return false;
            for (int i = 0; i < value; ++i) put(four ? ((i & 1) ? p[i / 2] & 0x0F : p[i / 2] >> 4) : p[i]);
            p += padded;
        }
        // Keep the cursor from growing without bound on long runs of skips.
        if (x > h.width) x = h.width;
    }
    return true;
}

}  // namespace

namespace {

// Everything after the headers. `data` holds the file from its start at least up to
// the pixel offset (the whole file when `source` is memory); `size` is the file's.
bool decodeParsed(const RowSource& source, const uint8_t* data, size_t size, const Header& h, int channels,
                  DecodedImage* out) {
    // Unused entries stay black, so any index a file holds is safe to look up.
    Rgb palette[256];
    for (uint32_t i = 0; i < h.paletteCount; ++i) {
        const uint8_t* e = data + h.paletteStart + size_t(i) * h.paletteEntrySize;
        palette[i] = Rgb{e[2], e[1], e[0]};
    }

    // Refuse before allocating when the data cannot fill the picture it announces.
    const bool rle = h.compression == kBiRle8 || h.compression == kBiRle4;
    const size_t available = size - h.pixelOffset;
    if (rle ? !enoughDataFor(h.width, h.height, available) : rowStride(h) * uint64_t(h.height) > available)
        return false;

    // Uncompressed rows write every byte; runs may skip pixels, which stay black.
    std::unique_ptr<uint8_t, decltype(&std::free)> pixels(
        rle ? allocatePixels(h.width, h.height, channels) : allocatePixelsForOverwrite(h.width, h.height, channels),
        &std::free);
    if (!pixels) return false;
    bool ok = true;
    if (rle) {
        if (channels == 4) {
            // What the runs skip is opaque black.
            const size_t count = size_t(h.width) * size_t(h.height);
            for (size_t i = 0; i < count; ++i) pixels.get()[i * 4 + 3] = 255;
        }
        ok = decodeRle(data, size, h, palette, channels, pixels.get());
    } else {
        ok = decodeUncompressed(source, h, palette, channels, pixels.get());
    }
    if (!ok) return false;
    out->pixels = pixels.release();
    out->width = h.width;
    out->height = h.height;
    out->hasAlpha = h.alpha.mask != 0;
    return true;
}

}  // namespace

bool decodeBmp(const uint8_t* data, size_t size, int channels, DecodedImage* out) {
    if (!data || !out || (channels != 3 && channels != 4)) return false;
    Header h;
    if (!parseHeader(data, size, h)) return false;
    return decodeParsed(RowSource{data, -1}, data, size, h, channels, out);
}

BmpFileResult decodeBmpFile(int fd, uint64_t fileSize, const uint8_t* head, size_t headSize, int channels,
                            DecodedImage* out) {
    if (!head || !out || fd < 0 || (channels != 3 && channels != 4)) return BmpFileResult::refused;
    // The headers are read from `head` alone, and they end well inside its first
    // kBmpHeadBytes; a file no longer than that is read whole.
    if (headSize < kBmpHeadBytes || fileSize <= headSize) return BmpFileResult::needsWholeFile;
    Header h;
    if (!parseHeader(head, size_t(fileSize), h)) return BmpFileResult::refused;
    // Run-length data is read whole, and so is a file whose palette or gap reaches past
    // what was read.
    if (h.compression == kBiRle8 || h.compression == kBiRle4 || h.pixelOffset > headSize)
        return BmpFileResult::needsWholeFile;
    return decodeParsed(RowSource{nullptr, fd}, head, size_t(fileSize), h, channels, out) ? BmpFileResult::decoded
                                                                                          : BmpFileResult::refused;
}
