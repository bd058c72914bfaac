#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/plane_memory.h"
#include "exchange/png_compression.h"

// Bytes made by a coder: allocated without being cleared, `size` of them in use
// from `offset` on.
struct PngBytes {
    // Large buffers come in whole large pages (allocatePlaneMemory).
    PlaneBytes data;
    size_t offset = 0;
    size_t size = 0;
    const uint8_t* bytes() const { return data.get() + offset; }
    // `capacity` bytes, or false when memory runs out.
    bool allocate(size_t capacity);
};

// One zlib stream (header, deflate data, Adler-32 of the data) of `size` bytes, in
// pieces to be stored one after the other. The data is cut into bands of a fixed
// length, compressed side by side: each band is primed with the 32 KiB before it and
// ends on a byte boundary (a full flush), the last one with the final block. A band
// is coded by the fast matcher and by the coders its kind calls for (runs of one byte,
// the bytes alone, a lazier matcher; see codeBand), the smallest result kept. The
// bytes depend on the data and the choice only, never on the number of threads. False
// when memory runs out.
bool deflatePngData(const uint8_t* data, size_t size, PngCompression compression, std::vector<PngBytes>* pieces);

// Length of the bands the data is cut into.
inline constexpr size_t kPngDeflateBandBytes = size_t(1) << 21;
