#include "core/coverage_mask.h"

#include <cstdlib>
#include <new>

#include "core/connectable.h"
#include "core/paint_settings.h"
#include "core/picture.h"

CoverageMask* createCoverageMask(int32_t width, int32_t height) {
    if (width < 0 || height < 0) return nullptr;
    const int64_t count = int64_t(width) * int64_t(height);
    if (count > kMaxPicturePixels) return nullptr;
    auto* mask = new (std::nothrow) CoverageMask{};
    if (!mask) return nullptr;
    mask->width = width;
    mask->height = height;
    mask->bytes = static_cast<uint8_t*>(std::calloc(count ? size_t(count) : 1, 1));
    if (!mask->bytes) {
        delete mask;
        return nullptr;
    }
    return mask;
}

void freeCoverageMask(CoverageMask* mask) {
    if (!mask) return;
    std::free(mask->bytes);
    delete mask;
}

bool getMask(const CoverageMask* mask, int32_t x, int32_t y, uint8_t* out) {
    if (paintSettings().connectable) mapConnectable(mask->width, mask->height, x, y, &x, &y);
    const int32_t i = pixelIndex(mask->width, mask->height, x, y);
    if (i == -1) return false;
    if (out) *out = mask->bytes[i];
    return true;
}

bool setMask(CoverageMask* mask, int32_t x, int32_t y, uint8_t value) {
    if (paintSettings().connectable) mapConnectable(mask->width, mask->height, x, y, &x, &y);
    const int32_t i = pixelIndex(mask->width, mask->height, x, y);
    if (i == -1) return false;
    mask->bytes[i] = value;
    return true;
}
