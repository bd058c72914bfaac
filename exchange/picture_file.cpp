#include "exchange/picture_file.h"

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "core/parallel.h"
#include "exchange/png_compression.h"
#include "exchange/png_writer.h"
#include "storage/file_name.h"

bool isPngPath(const std::string& path) {
    if (path.size() < 4) return false;
    std::string tail = path.substr(path.size() - 4);
    for (char& ch : tail) ch = char(ch >= 'A' && ch <= 'Z' ? ch - 'A' + 'a' : ch);
    return tail == ".png";
}

bool writePictureFile(const ImageLibrary& lib, const Picture& picture, const std::string& path, std::string* reason) {
    if (reason) reason->clear();
    errno = 0;
    const bool drawable = lib.saveToDisk && picture.pixels && picture.width > 0 && picture.height > 0;
    if (drawable && (isPngPath(path) ? writePngFile(path, picture, pngCompression(), reason)
                                     : savePictureFile(lib, picture, path))) {
        return true;
    }
    // The library says nothing of why; the folder and the file as they stand do.
    if (reason && reason->empty()) *reason = writeFailureReason(path, errno);
    return false;
}
bool savePictureFile(const ImageLibrary& lib, const Picture& picture, const std::string& path) {
    if (!lib.saveToDisk || !picture.pixels || picture.width <= 0 || picture.height <= 0) return false;
    const size_t count = size_t(picture.width) * size_t(picture.height);
    std::unique_ptr<uint8_t[]> rgb(new (std::nothrow) uint8_t[count * 3]);
    if (!rgb) return false;
    // Every (x, y) visited is inside the picture, where the connectable map is the
    // identity and pixelIndex is x + y * width: the plane is read in order.
    const uint8_t* src = picture.pixels;
    uint8_t* dst = rgb.get();
    for (size_t i = 0; i < count; ++i, src += 4, dst += 3) {
        dst[0] = src[0];
        dst[1] = src[1];
        dst[2] = src[2];
    }
    return lib.saveToDisk(path.c_str(), rgb.get(), picture.width, picture.height, 0) != 0;
}

PicturePtr loadPictureFile(const ImageLibrary& lib, const std::string& path, bool* hadAlpha) {
    if (hadAlpha) *hadAlpha = false;
    if (!lib.loadToDisk) return nullptr;
    uint8_t* buffer = nullptr;
    int32_t width = 0, height = 0;
    uint8_t hasAlpha = 0;
    const uint8_t ok = lib.loadToDisk(path.c_str(), &buffer, &width, &height, &hasAlpha, 0);
    // Only a successful load hands over a buffer; after a failure whatever is in
    // `buffer` is not ours to release.
    if (!ok) return nullptr;
    auto release = [&lib](uint8_t* b) {
        if (b && lib.free) lib.free(b);
    };
    std::unique_ptr<uint8_t, decltype(release)> owned(buffer, release);
    // A library that claims success with no pixels or a size that is not a picture
    // is not trusted: createPicture also refuses sizes beyond the core's limit.
    if (!buffer || width <= 0 || height <= 0) return nullptr;
    PicturePtr picture = createPicture(width, height, 0);
    if (!picture) return nullptr;
    if (hadAlpha) *hadAlpha = hasAlpha != 0;
    // Same as storePixel over every (x, y); the rows are independent, so they are
    // shared out over the cores.
    uint8_t* pixels = picture->pixels;
    parallelRows(height, 64, [&](int64_t begin, int64_t end) {
        const size_t first = size_t(begin) * size_t(width), last = size_t(end) * size_t(width);
        const uint8_t* src = buffer + first * 3;
        uint8_t* dst = pixels + first * 4;
        for (size_t i = first; i < last; ++i, src += 3, dst += 4) {
            dst[0] = src[0];
            dst[1] = src[1];
            dst[2] = src[2];
            dst[3] = 255;
        }
    });
    return picture;
}
