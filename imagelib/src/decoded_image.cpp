#include "decoded_image.h"

#include <cstdlib>

#include "picture_limits.h"

uint8_t* allocatePixels(int32_t width, int32_t height, int channels) {
    if (!pictureSizeAllowed(width, height) || (channels != 3 && channels != 4)) return nullptr;
    const size_t bytes = size_t(width) * size_t(height) * size_t(channels);
    return static_cast<uint8_t*>(std::calloc(bytes, 1));
}

void releaseDecoded(DecodedImage& image) {
    std::free(image.pixels);
    image = DecodedImage{};
}
