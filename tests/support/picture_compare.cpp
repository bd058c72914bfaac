#include "tests/support/picture_compare.h"

#include <cstring>
#include <sstream>

std::string firstDifference(const Picture* expectedPicture, const Picture* actualPicture) {
    if (!expectedPicture || !actualPicture) return "missing picture";
    const Picture& expected = *expectedPicture;
    const Picture& actual = *actualPicture;
    std::ostringstream out;
    if (expected.width != actual.width || expected.height != actual.height) {
        out << "size " << actual.width << "x" << actual.height << ", expected " << expected.width << "x"
            << expected.height;
        return out.str();
    }
    const size_t bytes = size_t(expected.width) * size_t(expected.height) * 4;
    if (bytes == 0 || std::memcmp(expected.pixels, actual.pixels, bytes) == 0) return {};
    for (int32_t y = 0; y < expected.height; ++y) {
        for (int32_t x = 0; x < expected.width; ++x) {
            const uint8_t* e = expected.pixels + (size_t(y) * size_t(expected.width) + size_t(x)) * 4;
            const uint8_t* a = actual.pixels + (size_t(y) * size_t(actual.width) + size_t(x)) * 4;
            if (std::memcmp(e, a, 4) != 0) {
                out << "pixel (" << x << ", " << y << ") is " << int(a[0]) << "," << int(a[1]) << "," << int(a[2])
                    << "," << int(a[3]) << ", expected " << int(e[0]) << "," << int(e[1]) << "," << int(e[2]) << ","
                    << int(e[3]);
                return out.str();
            }
        }
    }
    return {};
}

uint32_t pixelCrc32(const Picture& picture) {
    uint32_t crc = 0xFFFFFFFFu;
    const size_t n = size_t(picture.width) * size_t(picture.height) * 4;
    for (size_t i = 0; i < n; ++i) {
        crc ^= picture.pixels[i];
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}
