#include "core/view_sampling.h"

#include <cstring>

namespace {

// Red and blue trade places; alpha becomes 255. Whole words, so the loop runs several
// cells per instruction.
inline uint32_t swapToBgrx(uint32_t v) {
    return (v & 0x0000FF00u) | ((v & 0x000000FFu) << 16) | ((v >> 16) & 0x000000FFu) | 0xFF000000u;
}

void sampleBgrx(const uint8_t* __restrict src, size_t step, int32_t count, uint8_t* __restrict out) {
    if (step == 4) {
        for (int32_t c = 0; c < count; ++c) {
            uint32_t v;
            std::memcpy(&v, src + size_t(c) * 4, 4);
            v = swapToBgrx(v);
            std::memcpy(out + size_t(c) * 4, &v, 4);
        }
        return;
    }
    for (int32_t c = 0; c < count; ++c, src += step, out += 4) {
        uint32_t v;
        std::memcpy(&v, src, 4);
        v = swapToBgrx(v);
        std::memcpy(out, &v, 4);
    }
}

void sampleBgr(const uint8_t* __restrict src, size_t step, int32_t count, uint8_t* __restrict out) {
    for (int32_t c = 0; c < count; ++c, src += step, out += 3) {
        out[0] = src[2];
        out[1] = src[1];
        out[2] = src[0];
    }
}

}  // namespace

void sampleViewRow(const Picture& picture, int32_t zoom, int32_t r, int32_t count, uint8_t* out, ViewCell cell) {
    if (count <= 0) return;
    const uint8_t* src = picture.pixels + size_t(r) * size_t(zoom) * size_t(picture.width) * 4;
    const size_t step = size_t(zoom) * 4;
    if (cell == ViewCell::Bgrx) {
        sampleBgrx(src, step, count, out);
    } else {
        sampleBgr(src, step, count, out);
    }
}
