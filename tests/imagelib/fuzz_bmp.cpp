// libFuzzer entry: the bmp decoder on arbitrary bytes, in both output modes, from
// memory and, for inputs longer than its first read, from an open file as well.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>

#include "bmp_decoder.h"

namespace {

void touchCorners(const DecodedImage& image, int channels) {
    // A short buffer shows up under the sanitizer.
    const size_t last = size_t(image.width) * size_t(image.height) * size_t(channels) - 1;
    volatile uint8_t sink = image.pixels[0] ^ image.pixels[last];
    (void)sink;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int fd = -1;
    if (size > kBmpHeadBytes) {
        fd = memfd_create("bmp", MFD_CLOEXEC);
        if (fd >= 0 && write(fd, data, size) != ssize_t(size)) {
            close(fd);
            fd = -1;
        }
    }
    for (int channels : {3, 4}) {
        DecodedImage image;
        if (decodeBmp(data, size, channels, &image)) touchCorners(image, channels);
        releaseDecoded(image);
        if (fd < 0) continue;
        DecodedImage streamed;
        if (decodeBmpFile(fd, size, data, kBmpHeadBytes, channels, &streamed) == BmpFileResult::decoded)
            touchCorners(streamed, channels);
        releaseDecoded(streamed);
    }
    if (fd >= 0) close(fd);
    return 0;
}
