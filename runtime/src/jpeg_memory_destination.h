#pragma once
// JPEG data destination into a caller's block of known capacity. The stream is staged
// in a 4,096-byte buffer and appended to the block piece by piece; bytes that would
// pass the capacity are counted but never stored.
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include <jpeglib.h>

namespace tolvanea {

struct JpegMemoryDestination {
    jpeg_destination_mgr manager;
    std::uint8_t* out;
    std::size_t capacity;
    std::size_t total;  // bytes of the compressed stream so far, stored or not
    JOCTET staging[4096];
};

void attachMemoryDestination(j_compress_ptr info, JpegMemoryDestination& dest, std::uint8_t* out, std::size_t capacity);

// Whether the whole stream fitted into the block.
inline bool destinationFitted(const JpegMemoryDestination& dest) { return dest.total <= dest.capacity; }

}  // namespace tolvanea
