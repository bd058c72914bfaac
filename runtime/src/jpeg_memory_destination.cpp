#include "jpeg_memory_destination.h"

#include <cstring>

namespace tolvanea {
namespace {

JpegMemoryDestination& destOf(j_compress_ptr info) { return *reinterpret_cast<JpegMemoryDestination*>(info->dest); }

void append(JpegMemoryDestination& dest, std::size_t n) {
    if (dest.out && dest.total < dest.capacity) {
        std::size_t room = dest.capacity - dest.total;
        std::memcpy(dest.out + dest.total, dest.staging, n < room ? n : room);
    }
    dest.total += n;
}

void resetStaging(JpegMemoryDestination& dest) {
    dest.manager.next_output_byte = dest.staging;
    dest.manager.free_in_buffer = sizeof dest.staging;
}

void initDestination(j_compress_ptr info) { resetStaging(destOf(info)); }

boolean emptyOutputBuffer(j_compress_ptr info) {
    // The library calls this only with the whole staging buffer full.
    JpegMemoryDestination& dest = destOf(info);
    append(dest, sizeof dest.staging);
    resetStaging(dest);
    return TRUE;
}

void termDestination(j_compress_ptr info) {
    JpegMemoryDestination& dest = destOf(info);
    append(dest, sizeof dest.staging - dest.manager.free_in_buffer);
    resetStaging(dest);
}

}  // namespace

void attachMemoryDestination(j_compress_ptr info, JpegMemoryDestination& dest, std::uint8_t* out,
                             std::size_t capacity) {
    dest.manager.init_destination = initDestination;
    dest.manager.empty_output_buffer = emptyOutputBuffer;
    dest.manager.term_destination = termDestination;
    dest.out = out;
    dest.capacity = out ? capacity : 0;
    dest.total = 0;
    resetStaging(dest);
    info->dest = &dest.manager;
}

}  // namespace tolvanea
