// libFuzzer entry: the clipboard bitmap decoder on arbitrary bytes, bare and as the
// body of a bitmap file, with and without the command's own size check in between.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "exchange/dib_codec.h"
#include "exchange/part_clipboard.h"

namespace {

void decodeOnce(const uint8_t* data, size_t size) {
    PicturePtr picture;
    if (decodeDib(data, size, &picture) != DibStatus::Ok) return;
    // Touch the last pixel so a short plane shows up under the sanitizer, and crop
    // as the part-clipboard import does.
    const size_t last = size_t(picture->width) * size_t(picture->height) * 4 - 1;
    volatile uint8_t sink = picture->pixels[0] ^ picture->pixels[last];
    (void)sink;
    PicturePtr centre = partImportCentre(*picture);
    if (!centre) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact copy, so that any read past the end lands outside the block.
    std::vector<uint8_t> exact(data, data + size);
    exact.shrink_to_fit();
    decodeOnce(exact.empty() ? nullptr : exact.data(), exact.size());
    // The same bytes behind a file header whose offset is taken from the input.
    std::vector<uint8_t> file(kBmpFileHeaderSize + size, 0);
    file[0] = 'B';
    file[1] = 'M';
    if (size >= 2) std::memcpy(&file[10], data, 2);
    if (size) std::memcpy(file.data() + kBmpFileHeaderSize, data, size);
    decodeOnce(file.data(), file.size());
    return 0;
}
