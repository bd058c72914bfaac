// libFuzzer entry: the png decoder on arbitrary bytes, in both output modes.
#include <cstddef>
#include <cstdint>
#include <initializer_list>

#include "png_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (int channels : {3, 4}) {
        DecodedImage image;
        if (decodePng(data, size, channels, &image)) {
            // Touch the corners so a short buffer shows up under the sanitizer.
            const size_t last = size_t(image.width) * size_t(image.height) * size_t(channels) - 1;
            volatile uint8_t sink = image.pixels[0] ^ image.pixels[last];
            (void)sink;
        }
        releaseDecoded(image);
    }
    return 0;
}
