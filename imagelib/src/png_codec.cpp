#include "png_codec.h"

#include <png.h>
#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "picture_limits.h"

// Note on setjmp: libpng reports errors by longjmp back to the setjmp in the public
// functions below. Everything between (the *Body functions and the callbacks) holds
// only plain data, so the jump skips no destructor; what must be released after a
// jump lives in a context object owned by the function that called setjmp.

namespace {

// Deflate expands at most about 1032 to 1; anything announcing more raw image data
// than that from the image data present cannot decode and is refused up front.
constexpr uint64_t kMaxInflateRatio = 1032;

uint32_t be32(const uint8_t* p) { return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]; }

void quietWarning(png_structp, png_const_charp) {}

void failWithError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

struct ReadContext {
    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t pos = 0;
    int channels = 3;
    png_structp png = nullptr;
    png_infop info = nullptr;
    uint8_t* pixels = nullptr;
    DecodedImage result;

    ~ReadContext() {
        std::free(pixels);
        if (png) png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    }
};

void readFromMemory(png_structp png, png_bytep dst, size_t length) {
    auto* ctx = static_cast<ReadContext*>(png_get_io_ptr(png));
    if (length > ctx->size - ctx->pos) png_error(png, "truncated");
    std::memcpy(dst, ctx->data + ctx->pos, length);
    ctx->pos += length;
}

bool readBody(ReadContext* ctx) {
    png_structp png = ctx->png;
    png_infop info = ctx->info;
    png_set_read_fn(png, ctx, readFromMemory);
    png_set_user_limits(png, PG_MAX_SIDE, PG_MAX_SIDE);
    png_set_chunk_cache_max(png, 256);
    png_set_chunk_malloc_max(png, 8u << 20);
    // Skip every ancillary chunk except transparency: text and profile chunks can be
    // made arbitrarily large and nothing here uses them.
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
#ifdef PELGRAST_FUZZING
    // Let mutated files past the checksums so the fuzzer reaches the decoding.
    png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
#endif
    png_read_info(png, info);

    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colorType = 0, interlace = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colorType, &interlace, nullptr, nullptr);
    if (!pictureSizeAllowed(width, height)) return false;
    const uint64_t rawBytes = uint64_t(height) * (uint64_t(png_get_rowbytes(png, info)) + 1);
    if (rawBytes > pngImageDataBytes(ctx->data, ctx->size) * kMaxInflateRatio + 1024) return false;

    const bool hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    ctx->result.hasAlpha = (colorType & PNG_COLOR_MASK_ALPHA) != 0 || hasTrns;

    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (hasTrns) png_set_tRNS_to_alpha(png);
    if (bitDepth == 16) png_set_scale_16(png);
    if (!(colorType & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
    if (ctx->channels == 3)
        png_set_strip_alpha(png);
    else
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);  // only acts where there is no alpha
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);

    const size_t rowBytes = size_t(width) * size_t(ctx->channels);
    if (png_get_bit_depth(png, info) != 8 || png_get_channels(png, info) != ctx->channels ||
        png_get_rowbytes(png, info) != rowBytes)
        return false;

    // Every row is read below before success is reported.
    ctx->pixels = allocatePixelsForOverwrite(int32_t(width), int32_t(height), ctx->channels);
    if (!ctx->pixels) return false;
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < height; ++y) png_read_row(png, ctx->pixels + size_t(y) * rowBytes, nullptr);

    ctx->result.width = int32_t(width);
    ctx->result.height = int32_t(height);
    return true;
}

struct WriteContext {
    png_structp png = nullptr;
    png_infop info = nullptr;
    uint8_t* bytes = nullptr;
    size_t size = 0;
    size_t capacity = 0;

    ~WriteContext() {
        std::free(bytes);
        if (png) png_destroy_write_struct(&png, info ? &info : nullptr);
    }
};

void writeToMemory(png_structp png, png_bytep src, size_t length) {
    auto* ctx = static_cast<WriteContext*>(png_get_io_ptr(png));
    if (length > ctx->capacity - ctx->size) {
        size_t capacity = ctx->capacity ? ctx->capacity : 4096;
        while (capacity - ctx->size < length) {
            if (capacity > SIZE_MAX / 2) png_error(png, "too large");
            capacity *= 2;
        }
        auto* grown = static_cast<uint8_t*>(std::realloc(ctx->bytes, capacity));
        if (!grown) png_error(png, "out of memory");
        ctx->bytes = grown;
        ctx->capacity = capacity;
    }
    std::memcpy(ctx->bytes + ctx->size, src, length);
    ctx->size += length;
}

void flushNothing(png_structp) {}

void writeBody(WriteContext* ctx, const uint8_t* rgb, int32_t width, int32_t height) {
    png_structp png = ctx->png;
    png_set_write_fn(png, ctx, writeToMemory, flushNothing);
    png_set_IHDR(png, ctx->info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, ctx->info);
    const size_t rowBytes = size_t(width) * 3;
    for (int32_t y = 0; y < height; ++y) png_write_row(png, rgb + size_t(y) * rowBytes);
    png_write_end(png, nullptr);
}

}  // namespace

uint64_t pngImageDataBytes(const uint8_t* data, size_t size) {
    uint64_t total = 0;
    size_t pos = 8;  // after the signature
    while (pos <= size && size - pos >= 8) {
        const uint32_t length = be32(data + pos);
        const bool isIdat = std::memcmp(data + pos + 4, "IDAT", 4) == 0;
        pos += 8;
        const size_t present = std::min<uint64_t>(length, size - pos);
        if (isIdat) total += present;
        if (present < length || size - pos - present < 4) break;
        pos += present + 4;  // data and CRC
    }
    return total;
}

bool decodePng(const uint8_t* data, size_t size, int channels, DecodedImage* out) {
    if (!data || !out || size < 8 || (channels != 3 && channels != 4)) return false;
    auto ctx = std::make_unique<ReadContext>();
    ctx->data = data;
    ctx->size = size;
    ctx->channels = channels;
    ctx->png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, failWithError, quietWarning);
    if (!ctx->png) return false;
    ctx->info = png_create_info_struct(ctx->png);
    if (!ctx->info) return false;
    if (setjmp(png_jmpbuf(ctx->png))) return false;  // ctx's destructor releases everything
    if (!readBody(ctx.get())) return false;
    *out = ctx->result;
    out->pixels = ctx->pixels;
    ctx->pixels = nullptr;
    return true;
}

bool encodePng(const uint8_t* rgb, int32_t width, int32_t height, std::vector<uint8_t>* out) {
    if (!rgb || !out || !pictureSizeAllowed(width, height)) return false;
    auto ctx = std::make_unique<WriteContext>();
    ctx->png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, failWithError, quietWarning);
    if (!ctx->png) return false;
    ctx->info = png_create_info_struct(ctx->png);
    if (!ctx->info) return false;
    if (setjmp(png_jmpbuf(ctx->png))) return false;
    writeBody(ctx.get(), rgb, width, height);
    out->assign(ctx->bytes, ctx->bytes + ctx->size);
    return true;
}
