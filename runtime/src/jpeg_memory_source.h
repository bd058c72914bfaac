#pragma once
// JPEG data source over a block in memory. It hands the data to the library in pieces of
// at most 4,096 bytes; past the end it warns "Premature end of JPEG file" and supplies an
// end-of-image marker, and empty data is the error "Empty input file".
#include <cstddef>
#include <cstdint>
#include <cstdio>

#include <jpeglib.h>

namespace tolvanea {

struct JpegMemorySource {
    jpeg_source_mgr manager;
    const std::uint8_t* data;
    std::size_t size;
    std::size_t offset;  // bytes already handed to the library
};

// The source record must outlive the decompressor's use of it.
void attachMemorySource(j_decompress_ptr info, JpegMemorySource& source, const void* data, std::size_t size);

}  // namespace tolvanea
