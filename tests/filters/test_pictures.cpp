#include "tests/filters/test_pictures.h"

#include <cmath>

#include "core/wide_pass.h"

namespace {

uint32_t mixBits(uint32_t v) {
    v ^= v >> 16;
    v *= 0x7feb352dU;
    v ^= v >> 15;
    v *= 0x846ca68bU;
    v ^= v >> 16;
    return v;
}

uint8_t clampToByte(double v) { return uint8_t(v < 0 ? 0 : v > 255 ? 255 : v); }

}  // namespace

PicturePtr makeBusyPicture(int32_t width, int32_t height, uint32_t salt) {
    PicturePtr p(createPicture(width, height, 0));
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t h = mixBits(uint32_t(x) * 73856093u ^ uint32_t(y) * 19349663u ^ salt * 83492791u);
            storePixel(p.get(), x, y, uint8_t(h), uint8_t(h >> 8), uint8_t(h >> 16));
        }
    }
    return p;
}

PicturePtr makePhotoLikePicture(int32_t width, int32_t height) {
    PicturePtr p(createPicture(width, height, 0));
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const double u = double(x) / double(width - 1);
            const double v = double(y) / double(height - 1);
            const double grain = double(mixBits(uint32_t(x * 7919 + y * 104729)) % 3) - 1.0;
            const double r = 30 + 200 * u + grain;
            const double g = 40 + 180 * v + 10 * std::sin(x / 11.0) + grain;
            const double b = 128 + 70 * std::sin(u * 2.7 + v * 1.3) * std::cos(v * 3.1) + grain;
            storePixel(p.get(), x, y, clampToByte(r), clampToByte(g), clampToByte(b));
        }
    }
    return p;
}

void inBothWidths(const std::function<void(bool wide)>& check) {
    for (bool wide : {false, true}) {
        wideVectorsAllowed() = wide;
        check(wide);
    }
    wideVectorsAllowed() = true;
}

SettingsGuard::SettingsGuard() { resetPaintSettings(); }
SettingsGuard::~SettingsGuard() { resetPaintSettings(); }
