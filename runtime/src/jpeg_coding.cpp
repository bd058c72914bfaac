#include "jpeg_coding.h"

#include <cstdlib>
#include <cstring>

#include <jerror.h>

#include "jpeg_fatal_error.h"
#include "jpeg_memory_destination.h"
#include "jpeg_memory_source.h"
#include "pixel_rows.h"

namespace tolvanea {
namespace {

// Progressive data may hold any number of scans, each a pass over the whole picture;
// real encoders write a dozen or so.
constexpr int maxScans = 500;
// Coefficient buffers of progressive pictures beyond this are refused ("Backing store
// not supported") instead of growing without bound.
constexpr long maxCodecMemory = 1L << 30;

// Everything a decode owns, outside the trapped frame so that a fatal error can be
// cleaned up after control comes back.
struct DecodeJob {
    jpeg_decompress_struct info;
    JpegErrorTrap trap;
    JpegMemorySource source;
    jpeg_progress_mgr progress;
    const void* data;
    std::size_t size;
    std::int32_t* width;
    std::int32_t* height;
    std::uint8_t* block;
};

void watchScans(j_common_ptr info) {
    auto* d = reinterpret_cast<j_decompress_ptr>(info);
    if (d->input_scan_number > maxScans) raiseJpegFailure(info, "Too many scans in JPEG data");
}

// Runs inside the trap: creating the object can fail too. Destroying an object that was
// never created is harmless, since the job starts zeroed.
void startJob(DecodeJob& job) {
    jpeg_create_decompress(&job.info);
    job.info.mem->max_memory_to_use = maxCodecMemory;
    job.progress = {};
    job.progress.progress_monitor = watchScans;
    job.info.progress = &job.progress;
    attachMemorySource(&job.info, job.source, job.data, job.size);
}

void readHeaderOnly(void* arg) {
    auto& job = *static_cast<DecodeJob*>(arg);
    startJob(job);
    jpeg_read_header(&job.info, TRUE);
    if (job.width) *job.width = std::int32_t(job.info.image_width);
    if (job.height) *job.height = std::int32_t(job.info.image_height);
}

void decodeRows(void* arg) {
    auto& job = *static_cast<DecodeJob*>(arg);
    startJob(job);
    j_decompress_ptr info = &job.info;
    jpeg_read_header(info, TRUE);
    // Checked before decompression starts: progressive data is absorbed whole by the start.
    const std::uint64_t announced = std::uint64_t(info->image_width) * info->image_height;
    if (announced > maxDecodePixels || (announced > proportionFreePixels && announced / maxPixelsPerByte > job.size))
        raiseJpegFailure(reinterpret_cast<j_common_ptr>(info), "Picture too large for its JPEG data");
    jpeg_start_decompress(info);

    const std::uint64_t w = info->output_width, h = info->output_height;
    const std::uint64_t pixels = w * h;
    // Zero-filled: rows of a component count other than 1 or 3 are not written.
    job.block = static_cast<std::uint8_t*>(std::calloc(pixels ? pixels * 3 : 1, 1));
    if (!job.block) ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
    if (job.width) *job.width = std::int32_t(w);
    if (job.height) *job.height = std::int32_t(h);

    const int components = info->output_components;
    const std::size_t rowBytes = std::size_t(w) * 3;
    // Rows other than 3-component ones go through a row buffer from the library's pool,
    // which jpeg_destroy releases on every path.
    JSAMPARRAY rowBuffer = nullptr;
    if (components != 3)
        rowBuffer = (*info->mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE,
                                               JDIMENSION(w * components), 1);
    while (info->output_scanline < info->output_height) {
        std::uint8_t* target = job.block + std::size_t(info->output_scanline) * rowBytes;
        if (components == 3) {
            JSAMPROW row = target;
            jpeg_read_scanlines(info, &row, 1);
        } else {
            jpeg_read_scanlines(info, rowBuffer, 1);
            if (components == 1) {
                const JSAMPLE* grey = rowBuffer[0];
                for (std::size_t x = 0; x < w; ++x) target[3 * x] = target[3 * x + 1] = target[3 * x + 2] = grey[x];
            }
        }
    }
    jpeg_finish_decompress(info);
}

struct EncodeJob {
    jpeg_compress_struct info;
    JpegErrorTrap trap;
    JpegMemoryDestination dest;
    std::uint8_t* out;
    std::size_t capacity;
    const std::uint8_t* pixels;
    std::uint32_t width;
    std::uint32_t height;
    bool color;
    int quality;
    std::uint8_t* grey;
};

void encodeRows(void* arg) {
    auto& job = *static_cast<EncodeJob*>(arg);
    j_compress_ptr info = &job.info;
    jpeg_create_compress(info);
    attachMemoryDestination(info, job.dest, job.out, job.capacity);
    info->image_width = job.width;
    info->image_height = job.height;
    info->input_components = job.color ? 3 : 1;
    info->in_color_space = job.color ? JCS_RGB : JCS_GRAYSCALE;
    jpeg_set_defaults(info);
    jpeg_set_quality(info, job.quality, TRUE);
    // Starting checks the picture's size against the format's limits, so the grey plane
    // is only made for a size the library accepts.
    jpeg_start_compress(info, TRUE);
    const std::size_t w = job.width;
    if (!job.color) {
        const std::size_t count = w * job.height;
        job.grey = static_cast<std::uint8_t*>(std::malloc(count));
        if (!job.grey) ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
        greyPlaneOf(job.pixels, count, job.grey);
    }
    const std::uint8_t* rows = job.color ? job.pixels : job.grey;
    const std::size_t rowBytes = job.color ? w * 3 : w;
    while (info->next_scanline < info->image_height) {
        // The library only reads the rows it is given.
        JSAMPROW row = const_cast<JSAMPLE*>(rows + std::size_t(info->next_scanline) * rowBytes);
        jpeg_write_scanlines(info, &row, 1);
    }
    jpeg_finish_compress(info);
}

// A job reads from its own fields, so it is set up where it stays.
void prepareDecodeJob(DecodeJob& job, const void* data, std::size_t size, std::int32_t* width, std::int32_t* height) {
    job.data = data;
    job.size = size;
    job.width = width;
    job.height = height;
    job.info.err = installErrorTrap(job.trap);
}

}  // namespace

std::uint8_t* decodeJpegBlock(const void* data, std::size_t size, std::int32_t* width, std::int32_t* height) {
    if (width) *width = 0;
    if (height) *height = 0;
    DecodeJob job{};
    prepareDecodeJob(job, data, size, width, height);
    std::uint8_t* result = nullptr;
    if (runTrapped(job.trap, decodeRows, &job))
        result = job.block;
    else
        std::free(job.block);
    jpeg_destroy_decompress(&job.info);
    return result;
}

bool readJpegDimensions(const void* data, std::size_t size, std::int32_t* width, std::int32_t* height) {
    DecodeJob job{};
    prepareDecodeJob(job, data, size, width, height);
    bool ok = runTrapped(job.trap, readHeaderOnly, &job);
    jpeg_destroy_decompress(&job.info);
    return ok;
}

JpegEncodeResult encodeJpegBlock(std::uint8_t* out, std::size_t capacity, const std::uint8_t* pixels,
                                 std::uint32_t width, std::uint32_t height, bool color, int quality) {
    if (!pixels || width == 0 || height == 0) return {false, 0};
    EncodeJob job{};
    job.pixels = pixels;
    job.width = width;
    job.height = height;
    job.color = color;
    job.quality = quality;
    job.info.err = installErrorTrap(job.trap);
    job.out = out;
    job.capacity = capacity;
    bool ok = runTrapped(job.trap, encodeRows, &job);
    JpegEncodeResult result{ok && destinationFitted(job.dest), ok ? job.dest.total : 0};
    jpeg_destroy_compress(&job.info);
    std::free(job.grey);
    return result;
}

}  // namespace tolvanea
