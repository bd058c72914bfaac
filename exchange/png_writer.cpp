#include "exchange/png_writer.h"

#include <libdeflate.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#include "exchange/pixel_rows.h"
#include "exchange/png_bands.h"
#include "exchange/png_row_filter.h"
#include "storage/atomic_file.h"

namespace {

// Rows filtered together by one thread: enough to keep a thread busy, few enough for
// several bands on a picture of a few hundred rows.
constexpr int64_t kRowsPerBand = 64;

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr size_t kChunkFrame = 12;  // length, type, CRC

void putBigEndian32(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v >> 24);
    p[1] = uint8_t(v >> 16);
    p[2] = uint8_t(v >> 8);
    p[3] = uint8_t(v);
}

// The frame of a chunk whose `length` data bytes are already in place after `at + 8`:
// length, type and the CRC of type and data. Returns the end of the chunk.
uint8_t* frameChunk(uint8_t* at, const char* type, size_t length) {
    putBigEndian32(at, uint32_t(length));
    std::memcpy(at + 4, type, 4);
    putBigEndian32(at + 8 + length, libdeflate_crc32(0, at + 4, length + 4));
    return at + kChunkFrame + length;
}

// The filtered rows: a type byte and the row's bytes each, in row order.
bool filterRows(const Picture& picture, PngBytes& filtered) {
    const size_t rowBytes = size_t(picture.width) * kPngPixelBytes;
    const size_t stride = rowBytes + 1;
    const int64_t bands = (int64_t(picture.height) + kRowsPerBand - 1) / kRowsPerBand;
    PngBytes rows;
    if (!filtered.allocate(stride * size_t(picture.height)) || !rows.allocate(2 * rowBytes * size_t(pngWorkers(bands))))
        return false;
    filtered.size = stride * size_t(picture.height);
    // Each band packs the row above its first row itself, so bands need nothing from
    // one another.
    forEachPngBand(bands, [&](int worker, int64_t band) {
        uint8_t* above = rows.data.get() + size_t(worker) * 2 * rowBytes;
        uint8_t* current = above + rowBytes;
        const int32_t first = int32_t(band * kRowsPerBand);
        const int32_t end = int32_t(std::min<int64_t>(picture.height, first + kRowsPerBand));
        const size_t planeStride = size_t(picture.width) * 4;
        if (first > 0)
            cellsToRgb(picture.pixels + size_t(first - 1) * planeStride, above, size_t(picture.width));
        else
            std::memset(above, 0, rowBytes);
        for (int32_t y = first; y < end; ++y) {
            cellsToRgb(picture.pixels + size_t(y) * planeStride, current, size_t(picture.width));
            filterPngRow(current, above, rowBytes, filtered.data.get() + size_t(y) * stride);
            std::swap(above, current);
        }
    });
    return true;
}

}  // namespace

PngBytes encodePng(const Picture& picture, PngCompression compression) {
    if (!picture.pixels || picture.width <= 0 || picture.height <= 0) return {};
    std::vector<PngBytes> pieces;
    {
        PngBytes filtered;
        if (!filterRows(picture, filtered)) return {};
        if (!deflatePngData(filtered.bytes(), filtered.size, compression, &pieces)) return {};
    }
    size_t stream = 0;
    for (const PngBytes& piece : pieces) stream += piece.size;
    const size_t chunks = std::max<size_t>(1, (stream + kPngMaxIdatBytes - 1) / kPngMaxIdatBytes);
    PngBytes file;
    if (!file.allocate(sizeof kSignature + kChunkFrame + 13 + stream + chunks * kChunkFrame + kChunkFrame)) return {};

    uint8_t* at = file.data.get();
    std::memcpy(at, kSignature, sizeof kSignature);
    at += sizeof kSignature;
    uint8_t* header = at + 8;
    putBigEndian32(header, uint32_t(picture.width));
    putBigEndian32(header + 4, uint32_t(picture.height));
    header[8] = 8;   // bits a channel
    header[9] = 2;   // color type: red, green, blue
    header[10] = 0;  // deflate
    header[11] = 0;  // the five row filters
    header[12] = 0;  // no interlacing
    at = frameChunk(at, "IHDR", 13);

    // The stream is poured into chunks of kPngMaxIdatBytes, across the pieces' ends.
    size_t piece = 0, used = 0;
    for (size_t chunk = 0; chunk < chunks; ++chunk) {
        const size_t length = std::min(kPngMaxIdatBytes, stream - chunk * kPngMaxIdatBytes);
        uint8_t* dst = at + 8;
        for (size_t left = length; left > 0;) {
            const size_t take = std::min(left, pieces[piece].size - used);
            std::memcpy(dst, pieces[piece].bytes() + used, take);
            dst += take;
            left -= take;
            used += take;
            if (used == pieces[piece].size) ++piece, used = 0;
        }
        at = frameChunk(at, "IDAT", length);
    }
    at = frameChunk(at, "IEND", 0);
    file.size = size_t(at - file.data.get());
    return file;
}

bool writePngFile(const std::string& path, const Picture& picture, PngCompression compression, std::string* error) {
    const PngBytes file = encodePng(picture, compression);
    if (file.size == 0) {
        if (error) *error = std::strerror(ENOMEM);
        return false;
    }
    return writeFileAtomically(path, file.bytes(), file.size, error);
}
