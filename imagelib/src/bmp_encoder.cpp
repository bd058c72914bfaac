#include "bmp_encoder.h"

#include "picture_limits.h"

namespace {

void put16(uint8_t* p, uint32_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
void put32(uint8_t* p, uint32_t v) {
    put16(p, v);
    put16(p + 2, v >> 16);
}

}  // namespace

bool encodeBmp(const uint8_t* rgb, int32_t width, int32_t height, std::vector<uint8_t>* out) {
    if (!rgb || !out || !pictureSizeAllowed(width, height)) return false;
    const size_t stride = (size_t(width) * 3 + 3) & ~size_t(3);
    const size_t imageBytes = stride * size_t(height);
    const size_t headers = 14 + 40;
    // Within the pixel limit this always fits the format's 32-bit size fields.
    if (imageBytes + headers > 0xFFFFFFFFu) return false;
    out->assign(headers + imageBytes, 0);
    uint8_t* p = out->data();
    p[0] = 'B';
    p[1] = 'M';
    put32(p + 2, uint32_t(headers + imageBytes));
    put32(p + 10, uint32_t(headers));
    put32(p + 14, 40);
    put32(p + 18, uint32_t(width));
    put32(p + 22, uint32_t(height));  // positive: bottom-up
    put16(p + 26, 1);
    put16(p + 28, 24);
    put32(p + 30, 0);  // BI_RGB
    put32(p + 34, uint32_t(imageBytes));
    put32(p + 38, 2835);  // 72 dpi
    put32(p + 42, 2835);
    const size_t rowBytes = size_t(width) * 3;
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* src = rgb + size_t(height - 1 - y) * rowBytes;
        uint8_t* dst = p + headers + size_t(y) * stride;
        for (int32_t x = 0; x < width; ++x, src += 3, dst += 3) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
        }
    }
    return true;
}
