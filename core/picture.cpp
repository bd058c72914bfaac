#include "core/picture.h"

#include <cstdlib>
#include <cstring>
#include <new>

#include "core/plane_memory.h"

PicturePtr createUnfilledPicture(int32_t width, int32_t height, int32_t reserved) {
    if (width < 0 || height < 0) return nullptr;
    const int64_t count = int64_t(width) * int64_t(height);
    if (count > kMaxPicturePixels) return nullptr;

    PicturePtr picture(new (std::nothrow) Picture{});
    if (!picture) return nullptr;
    picture->reserved = reserved;
    picture->width = width;
    picture->height = height;
    picture->maskWidth = 2 * width;
    picture->maskHeight = 2 * height;

    const size_t planeBytes = size_t(count) * 4;
    const size_t maskBytes = size_t(count) * 4;  // (2w) * (2h)
    picture->pixels = static_cast<uint8_t*>(allocatePlaneMemory(planeBytes));
    picture->mask = static_cast<uint8_t*>(std::calloc(maskBytes ? maskBytes : 1, 1));
    if (!picture->pixels || !picture->mask) return nullptr;
    return picture;
}

PicturePtr createPicture(int32_t width, int32_t height, int32_t reserved) {
    PicturePtr picture = createUnfilledPicture(width, height, reserved);
    // pixelIndex is row-major and reaches every cell, so the white fill is one memset.
    if (picture) std::memset(picture->pixels, 255, size_t(width) * size_t(height) * 4);
    return picture;
}

void freePicture(Picture* picture) {
    if (!picture) return;
    std::free(picture->pixels);
    std::free(picture->mask);
    delete picture;
}

PicturePtr copyPicture(const Picture* source) {
    if (!source) return nullptr;
    PicturePtr copy = createPicture(source->width, source->height, source->reserved);
    if (!copy) return nullptr;
    std::memcpy(copy->pixels, source->pixels, size_t(source->width) * size_t(source->height) * 4);
    return copy;
}

bool mapPoint(const Picture* picture, int32_t x, int32_t y, int32_t* outX, int32_t* outY) {
    if (picture && paintSettings().connectable) {
        return mapConnectable(picture->width, picture->height, x, y, outX, outY);
    }
    if (outX) *outX = x;
    if (outY) *outY = y;
    return false;
}

double placementMarginDivisor() { return paintSettings().connectable ? 1.0 : 8.0; }
