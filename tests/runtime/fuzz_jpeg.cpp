// Fuzz target: JPEG data of any shape through the decoder and the header reader.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "jpeg_coding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int32_t width = -1, height = -1;
    if (tolvanea::readJpegDimensions(data, size, &width, &height) && (width <= 0 || height <= 0))
        std::abort();  // the library never reports an empty picture as read
    uint8_t* block = tolvanea::decodeJpegBlock(data, size, &width, &height);
    if (block) {
        // Touch the whole block: it must be as large as the size reported.
        volatile uint8_t sink = 0;
        const size_t bytes = size_t(width) * size_t(height) * 3;
        for (size_t i = 0; i < bytes; i += 97) sink = sink ^ block[i];
        sink = sink ^ block[bytes - 1];
        std::free(block);
    }
    return 0;
}
