#include "decoded_image.h"

#include <cstdlib>

#include "large_pages.h"
#include "picture_limits.h"

uint8_t* allocatePixels(int32_t width, int32_t height, int channels) {
    if (!pictureSizeAllowed(width, height) || (channels != 3 && channels != 4)) return nullptr;
    const size_t bytes = size_t(width) * size_t(height) * size_t(channels);
    return static_cast<uint8_t*>(std::calloc(bytes, 1));
}

uint8_t* allocatePixelsForOverwrite(int32_t width, int32_t height, int channels) {
    if (!pictureSizeAllowed(width, height) || (channels != 3 && channels != 4)) return nullptr;
    return static_cast<uint8_t*>(allocateLargeBuffer(size_t(width) * size_t(height) * size_t(channels)));
}

void releaseDecoded(DecodedImage& image) {
    std::free(image.pixels);
    image = DecodedImage{};
}
