#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/picture.h"

// Device-independent bitmaps as the clipboard carries them: an info header of at
// least 40 bytes (width at byte 4 and height at byte 8, signed 32-bit; bits per
// pixel at byte 14), then the pixel rows: blue, green, red and, at 32 bits, a fourth
// byte that is ignored. Rows run bottom to top, or top to bottom when the stored
// height is negative; each row is padded to a multiple of 4 bytes. A bitmap file is
// the same bitmap behind a 14-byte file header that starts with "BM".

inline constexpr size_t kDibInfoHeaderSize = 40;
inline constexpr size_t kBmpFileHeaderSize = 14;

// Shown when a clipboard bitmap has another depth or a layout we do not read.
inline constexpr const char* kClipboardDepthMessage = "The clipboard should be have format 24 or 32 bpp";

enum class DibStatus {
    Ok,
    NotABitmap,  // shorter than a header, or the header's own size is not one
    BadDepth,    // neither 24 nor 32 bits a pixel, or compressed
    Truncated,   // the header promises bytes the data does not hold
    BadSize,     // a width or height below 1
    NoMemory,    // no picture of that size can be made
};

// What the header says, checked for depth and layout but not yet against the data.
struct DibHeader {
    int32_t width = 0;     // as stored
    int64_t height = 0;    // magnitude of the stored height (2^31 for INT32_MIN)
    bool topDown = false;  // the stored height was negative
    uint16_t bitsPerPixel = 0;
    // From the start of the info header to the first stored row: the header's own
    // size, color masks after a 40-byte header, an optional color table, or the
    // offset a bitmap file's header names.
    uint64_t pixelOffset = 0;
    // Where red, green and blue sit within a pixel (bit-field masks can move them).
    uint8_t redByte = 2, greenByte = 1, blueByte = 0;
};

// A run of bytes that holds a bitmap, with the pixel offset a bitmap file's header
// names (0: take it from the info header).
struct DibBytes {
    const uint8_t* data = nullptr;
    size_t size = 0;
    uint64_t filePixelOffset = 0;
};

// The bitmap inside `data`: past the file header when it starts with "BM", the whole
// run otherwise.
DibBytes dibBytes(const uint8_t* data, size_t size);

// Reads the header: NotABitmap, BadDepth, Truncated (masks or offsets outside the
// data) or Ok. The minimum size is left to the caller, which reports it.
DibStatus readDibHeader(const DibBytes& bytes, DibHeader* header);

// Bytes a stored row takes: the row's pixels rounded up to a multiple of 4.
inline uint64_t dibRowLength(int64_t width, int bitsPerPixel) {
    return (uint64_t(width) * uint64_t(bitsPerPixel) + 31) / 32 * 4;
}

// The whole bitmap as a new picture (alpha 255): BadSize for an empty or negative
// side, Truncated when a row the header promises is not all there, NoMemory when the
// picture cannot be made. Never reads outside `bytes`.
DibStatus decodeDib(const DibBytes& bytes, const DibHeader& header, PicturePtr* picture);

// Header, depth and pixels in one call, for callers without a size check of their own.
DibStatus decodeDib(const uint8_t* data, size_t size, PicturePtr* picture);

// The picture as a bitmap of 24 or 32 bits a pixel (fourth byte 255), rows bottom to
// top behind a 40-byte header. Empty for another depth or an empty picture.
std::vector<uint8_t> encodeDib(const Picture& picture, int bitsPerPixel = 24);

// The same bitmap as a file: the 14-byte file header in front.
std::vector<uint8_t> encodeBmpFile(const Picture& picture, int bitsPerPixel = 24);

// The sizes of what encodeDib and encodeBmpFile return (0 where they return nothing),
// and the same bytes written into `out`, which must hold that many. Every byte is
// written, the rows' padding included, so `out` may be fresh uninitialised memory: its
// pages are then first touched by the threads that fill them. False when there is
// nothing to write.
size_t dibSize(const Picture& picture, int bitsPerPixel);
bool encodeDibInto(const Picture& picture, int bitsPerPixel, uint8_t* out);
size_t bmpFileSize(const Picture& picture, int bitsPerPixel);
bool encodeBmpFileInto(const Picture& picture, int bitsPerPixel, uint8_t* out);

// A top-down 32-bit bitmap (negative stored height) of rows already laid out as
// blue, green, red, any: `stride` bytes apart in `rows`, `width` * 4 bytes each used.
std::vector<uint8_t> encodeTopDownDib32(int32_t width, int32_t height, const uint8_t* rows, size_t stride);
