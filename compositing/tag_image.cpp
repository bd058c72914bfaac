#include "compositing/tag_image.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>

#include "core/interaction.h"
#include "core/picture.h"
#include "exchange/image_library.h"

namespace {

// The error number to report when the library gave none of its own: what the path
// itself is, as far as the system can tell.
int errorOfPath(const std::string& path, int reported) {
    if (reported != 0) return reported;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return errno;
    if (S_ISDIR(info.st_mode)) return EISDIR;
    return 0;
}

std::optional<TagImage> fail(const std::string& path, int code, Interaction& ui) {
    ui.showMessage(openFailedMessage(path, code), kAccessFileCaption, Interaction::Icon::Error);
    return std::nullopt;
}

}  // namespace

std::string openFailedMessage(const std::string& path, int code) {
    std::string text = "Error openging file " + path + " error " + std::to_string(code);
    return text;
}

std::optional<TagImage> loadTagImage(const ImageLibrary& library, const std::string& path, uint32_t keyColor,
                                     Interaction& ui) {
    uint8_t* buffer = nullptr;
    int32_t width = 0, height = 0;
    uint8_t hasAlpha = 0;
    errno = 0;
    const bool loaded =
        library.loadToDisk && library.loadToDisk(path.c_str(), &buffer, &width, &height, &hasAlpha, 1) != 0;
    const int reported = errno;
    if (!loaded) return fail(path, errorOfPath(path, reported), ui);

    // Only a successful load hands over a buffer; it goes back to the library
    // whatever happens next.
    auto release = [&library](uint8_t* b) {
        if (b && library.free) library.free(b);
    };
    std::unique_ptr<uint8_t, decltype(release)> owned(buffer, release);
    // A library that claims success without pixels, or with a size no picture may
    // have, is not trusted with a single read.
    if (!buffer || width <= 0 || height <= 0) return fail(path, EINVAL, ui);
    if (int64_t(width) * int64_t(height) > kMaxPicturePixels) return fail(path, EFBIG, ui);

    TagImage image;
    try {
        image.pixels.resize(size_t(width) * size_t(height) * 4);
    } catch (const std::bad_alloc&) {
        return fail(path, ENOMEM, ui);
    }
    image.width = width;
    image.height = height;
    std::memcpy(image.pixels.data(), buffer, image.pixels.size());
    owned.reset();

    if (!hasAlpha && keyColor != 0xFFFFFFFFu) {
        for (size_t i = 0; i < image.pixels.size(); i += 4) {
            if (matchesKeyColor(&image.pixels[i], keyColor)) image.pixels[i + 3] = 0;
        }
    }
    return image;
}
