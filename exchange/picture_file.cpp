#include "exchange/picture_file.h"

#include <cerrno>
#include <cstdlib>
#include <memory>

#include "core/parallel.h"
#include "core/plane_memory.h"
#include "exchange/pixel_rows.h"
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
    const PlaneBytes rgb = allocatePlaneBytes(count * 3);
    if (!rgb) return false;
    // Every (x, y) visited is inside the picture, where the connectable map is the
    // identity and pixelIndex is x + y * width: the plane is read in order.
    const uint8_t* pixels = picture.pixels;
    uint8_t* out = rgb.get();
    parallelRows(picture.height, 64, [&](int64_t begin, int64_t end) {
        const size_t first = size_t(begin) * size_t(picture.width), n = size_t(end - begin) * size_t(picture.width);
        cellsToRgb(pixels + first * 4, out + first * 3, n);
    });
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
    // Every cell is written below, so the plane is not whitened first.
    PicturePtr picture = createUnfilledPicture(width, height, 0);
    if (!picture) return nullptr;
    if (hadAlpha) *hadAlpha = hasAlpha != 0;
    // Same as storePixel over every (x, y); the rows are independent, so they are
    // shared out over the cores, and each thread's first writes map its own pages.
    uint8_t* pixels = picture->pixels;
    const uint8_t* rgb = buffer;
    parallelRows(height, 64, [&](int64_t begin, int64_t end) {
        const size_t first = size_t(begin) * size_t(width), count = size_t(end - begin) * size_t(width);
        rgbToCells(rgb + first * 3, pixels + first * 4, count);
    });
    return picture;
}
