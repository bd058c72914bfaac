#include "jpeg_memory_source.h"

#include <jerror.h>

namespace tolvanea {
namespace {

constexpr std::size_t pieceSize = 4096;
const JOCTET endOfImage[2] = {0xFF, JPEG_EOI};

JpegMemorySource& sourceOf(j_decompress_ptr info) { return *reinterpret_cast<JpegMemorySource*>(info->src); }

void initSource(j_decompress_ptr) {}
void termSource(j_decompress_ptr) {}

boolean fillInputBuffer(j_decompress_ptr info) {
    JpegMemorySource& src = sourceOf(info);
    if (src.offset >= src.size) {
        if (src.size == 0) ERREXIT(info, JERR_INPUT_EMPTY);
        WARNMS(info, JWRN_JPEG_EOF);
        // A supplied end-of-image marker lets the library finish the picture as a stream
        // that ended early.
        src.manager.next_input_byte = endOfImage;
        src.manager.bytes_in_buffer = 2;
        return TRUE;
    }
    std::size_t n = src.size - src.offset < pieceSize ? src.size - src.offset : pieceSize;
    src.manager.next_input_byte = src.data + src.offset;
    src.manager.bytes_in_buffer = n;
    src.offset += n;
    return TRUE;
}

void skipInputData(j_decompress_ptr info, long count) {
    if (count <= 0) return;
    JpegMemorySource& src = sourceOf(info);
    auto remaining = static_cast<std::size_t>(count);
    while (remaining > src.manager.bytes_in_buffer) {
        remaining -= src.manager.bytes_in_buffer;
        fillInputBuffer(info);
    }
    src.manager.next_input_byte += remaining;
    src.manager.bytes_in_buffer -= remaining;
}

}  // namespace

void attachMemorySource(j_decompress_ptr info, JpegMemorySource& source, const void* data, std::size_t size) {
    source.manager.init_source = initSource;
    source.manager.fill_input_buffer = fillInputBuffer;
    source.manager.skip_input_data = skipInputData;
    source.manager.resync_to_restart = jpeg_resync_to_restart;
    source.manager.term_source = termSource;
    source.manager.next_input_byte = nullptr;
    source.manager.bytes_in_buffer = 0;
    source.data = static_cast<const std::uint8_t*>(data);
    source.size = data ? size : 0;
    source.offset = 0;
    info->src = &source.manager;
}

}  // namespace tolvanea
