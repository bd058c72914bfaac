#include "jpeg_codec.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <jpeglib.h>
// After jpeglib.h: its message codes depend on the library's configuration.
#include <jerror.h>

#include "picture_limits.h"

// As with the PNG codec, libjpeg's fatal errors longjmp back to the public function;
// the *Body functions in between hold only plain data and the context object owned by
// the caller of setjmp releases everything.

namespace {

constexpr long kMaxJpegMemory = 512L << 20;
constexpr int kMaxWarnings = 64;

struct ErrorManager {
    jpeg_error_mgr base;
    jmp_buf jump;
    int warnings = 0;
};

void failWithError(j_common_ptr cinfo) { longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1); }

// Warnings that mean the entropy data is missing or broken: the decoder would carry on
// filling the rest of the picture with grey, which we refuse (and which would let a
// tiny file keep the decoder busy for a long time).
void onMessage(j_common_ptr cinfo, int level) {
    auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
    if (level >= 0) return;  // trace messages
    const int code = err->base.msg_code;
    if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_HUFF_BAD_CODE || code == JWRN_MUST_RESYNC ||
        code == JWRN_ARITH_BAD_CODE || ++err->warnings > kMaxWarnings)
        longjmp(err->jump, 1);
}

void quietOutput(j_common_ptr) {}

void installErrorManager(ErrorManager& err) {
    jpeg_std_error(&err.base);
    err.base.error_exit = failWithError;
    err.base.emit_message = onMessage;
    err.base.output_message = quietOutput;
}

// Progressive files may hold many scans, each a pass over the picture's coefficients.
void limitScans(j_common_ptr cinfo) {
    if (cinfo->is_decompressor && reinterpret_cast<j_decompress_ptr>(cinfo)->input_scan_number > PG_MAX_JPEG_SCANS)
        longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

struct ReadContext {
    jpeg_decompress_struct cinfo{};
    ErrorManager err;
    jpeg_progress_mgr progress{};
    bool created = false;
    uint8_t* pixels = nullptr;
    DecodedImage result;

    ~ReadContext() {
        std::free(pixels);
        if (created) jpeg_destroy_decompress(&cinfo);
    }
};

bool readBody(ReadContext* ctx, const uint8_t* data, size_t size, int channels) {
    j_decompress_ptr cinfo = &ctx->cinfo;
    cinfo->mem->max_memory_to_use = kMaxJpegMemory;
    ctx->progress.progress_monitor = limitScans;
    cinfo->progress = &ctx->progress;
    jpeg_mem_src(cinfo, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(cinfo, TRUE) != JPEG_HEADER_OK) return false;
    if (!pictureSizeAllowed(cinfo->image_width, cinfo->image_height) ||
        !enoughDataFor(cinfo->image_width, cinfo->image_height, size))
        return false;

    bool cmyk = false;
    switch (cinfo->jpeg_color_space) {
    case JCS_GRAYSCALE:
        cinfo->out_color_space = JCS_GRAYSCALE;
        break;
    case JCS_CMYK:
    case JCS_YCCK:
        cinfo->out_color_space = JCS_CMYK;
        cmyk = true;
        break;
    case JCS_YCbCr:
    case JCS_RGB:
        cinfo->out_color_space = JCS_RGB;
        break;
    default:
        return false;
    }
    jpeg_start_decompress(cinfo);
    const int components = cinfo->output_components;
    if (int64_t(cinfo->output_width) != cinfo->image_width || int64_t(cinfo->output_height) != cinfo->image_height ||
        components != (cmyk                                      ? 4
                       : cinfo->out_color_space == JCS_GRAYSCALE ? 1
                                                                 : 3))
        return false;

    const int32_t width = int32_t(cinfo->output_width), height = int32_t(cinfo->output_height);
    ctx->pixels = allocatePixels(width, height, channels);
    if (!ctx->pixels) return false;
    JSAMPARRAY line = (*cinfo->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(cinfo), JPOOL_IMAGE,
                                                  JDIMENSION(width) * JDIMENSION(components), 1);
    // Adobe's writers store CMYK inverted (0 = full ink); that is nearly every CMYK file.
    const bool inverted = cinfo->saw_Adobe_marker;
    const size_t rowBytes = size_t(width) * size_t(channels);
    while (cinfo->output_scanline < cinfo->output_height) {
        const JDIMENSION y = cinfo->output_scanline;
        if (jpeg_read_scanlines(cinfo, line, 1) != 1) return false;
        const uint8_t* src = line[0];
        uint8_t* dst = ctx->pixels + size_t(y) * rowBytes;
        if (components == 3) {
            for (int32_t x = 0; x < width; ++x, src += 3, dst += channels)
                storeRgba(dst, channels, src[0], src[1], src[2], 255);
        } else if (components == 1) {
            for (int32_t x = 0; x < width; ++x, ++src, dst += channels) storeRgba(dst, channels, *src, *src, *src, 255);
        } else {
            for (int32_t x = 0; x < width; ++x, src += 4, dst += channels) {
                unsigned c = src[0], m = src[1], yl = src[2], k = src[3];
                if (!inverted) {
                    c = 255 - c;
                    m = 255 - m;
                    yl = 255 - yl;
                    k = 255 - k;
                }
                storeRgba(dst, channels, uint8_t(c * k / 255), uint8_t(m * k / 255), uint8_t(yl * k / 255), 255);
            }
        }
    }
    ctx->result.width = width;
    ctx->result.height = height;
    ctx->result.hasAlpha = false;
    return true;
}

// Our own memory destination: the library's one leaves its buffer unowned when
// compression fails half way, so the context would either leak it or free a stale one.
struct WriteContext {
    jpeg_compress_struct cinfo{};
    ErrorManager err;
    jpeg_destination_mgr dest{};
    bool created = false;
    unsigned char* bytes = nullptr;
    size_t capacity = 0;
    size_t size = 0;

    ~WriteContext() {
        if (created) jpeg_destroy_compress(&cinfo);
        std::free(bytes);
    }
};

WriteContext* writeContextOf(j_compress_ptr cinfo) {
    return reinterpret_cast<WriteContext*>(reinterpret_cast<char*>(cinfo) - offsetof(WriteContext, cinfo));
}

void startDestination(j_compress_ptr cinfo) {
    WriteContext* ctx = writeContextOf(cinfo);
    ctx->capacity = 64 * 1024;
    ctx->bytes = static_cast<unsigned char*>(std::malloc(ctx->capacity));
    if (!ctx->bytes) ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
    ctx->dest.next_output_byte = ctx->bytes;
    ctx->dest.free_in_buffer = ctx->capacity;
}

boolean growDestination(j_compress_ptr cinfo) {
    // Called when the buffer is full: all of it is used.
    WriteContext* ctx = writeContextOf(cinfo);
    const size_t used = ctx->capacity;
    auto* grown = static_cast<unsigned char*>(std::realloc(ctx->bytes, used * 2));
    if (!grown) ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
    ctx->bytes = grown;
    ctx->capacity = used * 2;
    ctx->dest.next_output_byte = grown + used;
    ctx->dest.free_in_buffer = ctx->capacity - used;
    return TRUE;
}

void finishDestination(j_compress_ptr cinfo) {
    WriteContext* ctx = writeContextOf(cinfo);
    ctx->size = ctx->capacity - ctx->dest.free_in_buffer;
}

void writeBody(WriteContext* ctx, const uint8_t* rgb, int32_t width, int32_t height, int quality) {
    j_compress_ptr cinfo = &ctx->cinfo;
    ctx->dest.init_destination = startDestination;
    ctx->dest.empty_output_buffer = growDestination;
    ctx->dest.term_destination = finishDestination;
    cinfo->dest = &ctx->dest;
    cinfo->image_width = JDIMENSION(width);
    cinfo->image_height = JDIMENSION(height);
    cinfo->input_components = 3;
    cinfo->in_color_space = JCS_RGB;
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, quality, TRUE);
    jpeg_start_compress(cinfo, TRUE);
    const size_t rowBytes = size_t(width) * 3;
    while (cinfo->next_scanline < cinfo->image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb + size_t(cinfo->next_scanline) * rowBytes);
        jpeg_write_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_compress(cinfo);
}

}  // namespace

bool decodeJpeg(const uint8_t* data, size_t size, int channels, DecodedImage* out) {
    if (!data || !out || size < 4 || (channels != 3 && channels != 4)) return false;
    auto ctx = std::make_unique<ReadContext>();
    installErrorManager(ctx->err);
    ctx->cinfo.err = &ctx->err.base;
    if (setjmp(ctx->err.jump)) return false;  // ctx's destructor releases everything
    jpeg_create_decompress(&ctx->cinfo);
    ctx->created = true;
    if (!readBody(ctx.get(), data, size, channels)) return false;
    *out = ctx->result;
    out->pixels = ctx->pixels;
    ctx->pixels = nullptr;
    return true;
}

bool encodeJpeg(const uint8_t* rgb, int32_t width, int32_t height, int quality, std::vector<uint8_t>* out) {
    if (!rgb || !out || !pictureSizeAllowed(width, height) || width > JPEG_MAX_DIMENSION ||
        height > JPEG_MAX_DIMENSION || quality < 1 || quality > 100)
        return false;
    auto ctx = std::make_unique<WriteContext>();
    installErrorManager(ctx->err);
    ctx->cinfo.err = &ctx->err.base;
    if (setjmp(ctx->err.jump)) return false;
    jpeg_create_compress(&ctx->cinfo);
    ctx->created = true;
    writeBody(ctx.get(), rgb, width, height, quality);
    out->assign(ctx->bytes, ctx->bytes + ctx->size);
    return true;
}
