// The library's C entry points: pick the codec, move bytes between files and buffers.
// Nothing here throws across the C boundary.
#include "pelgrast.h"

#include <cstdlib>
#include <new>
#include <vector>

#include "bmp_decoder.h"
#include "bmp_encoder.h"
#include "file_format.h"
#include "file_io.h"
#include "jpeg_codec.h"
#include "png_codec.h"

namespace {

constexpr int kJpegQuality = 90;

const char kOpenFilter[] =
    "All pictures (*.jpg;*.jpeg;*.bmp;*.png)|*.jpg;*.jpeg;*.bmp;*.png|"
    "JpegImage (*.jpg)|*.jpg;*.jpeg|Bitmap Windows(*.bmp)|*.bmp|PNG (*.PNG)|*.png|";
const char kSaveFilter[] = "JpegImage (*.jpg)|*.jpg|Bitmap Windows(*.bmp)|*.bmp|PNG (*.PNG)|*.PNG|";

bool save(const char* path, const uint8_t* rgb, int32_t width, int32_t height) {
    std::vector<uint8_t> bytes;
    bool encoded = false;
    switch (formatFromExtension(path)) {
    case FileFormat::png:
        encoded = encodePng(rgb, width, height, &bytes);
        break;
    case FileFormat::jpeg:
        encoded = encodeJpeg(rgb, width, height, kJpegQuality, &bytes);
        break;
    case FileFormat::bmp:
        encoded = encodeBmp(rgb, width, height, &bytes);
        break;
    case FileFormat::unknown:
        return false;
    }
    return encoded && writeFileAtomically(path, bytes);
}

bool load(const char* path, int channels, DecodedImage* image) {
    InputFile file;
    if (!openInputFile(path, uint64_t(PG_MAX_FILE_BYTES), &file)) return false;
    // An uncompressed bitmap goes from the file into the picture a band at a time;
    // everything else is decoded from the whole file in memory.
    uint8_t head[kBmpHeadBytes];
    const size_t headSize = readFileAt(file.fd, 0, head, sizeof head);
    const FileFormat format = formatFromContent(head, headSize);
    if (format == FileFormat::unknown) return false;
    if (format == FileFormat::bmp) {
        const BmpFileResult result = decodeBmpFile(file.fd, file.size, head, headSize, channels, image);
        if (result != BmpFileResult::needsWholeFile) return result == BmpFileResult::decoded;
    }
    FileBytes bytes;
    if (!readWholeFile(file, &bytes)) return false;
    const uint8_t* data = bytes.data.get();
    switch (format) {
    case FileFormat::png:
        return decodePng(data, bytes.size, channels, image);
    case FileFormat::jpeg:
        return decodeJpeg(data, bytes.size, channels, image);
    case FileFormat::bmp:
        return decodeBmp(data, bytes.size, channels, image);
    case FileFormat::unknown:
        return false;
    }
    return false;
}

}  // namespace

extern "C" {

uint8_t PG_SaveToDisk(const char* path, const uint8_t* rgb, int32_t width, int32_t height, int32_t) {
    if (!path || !rgb) return 0;
    try {
        return save(path, rgb, width, height) ? 1 : 0;
    } catch (const std::bad_alloc&) {
        return 0;
    }
}

uint8_t PG_LoadToDisk(const char* path, uint8_t** buffer, int32_t* width, int32_t* height, uint8_t* hasAlpha,
                      int32_t mode) {
    if (!buffer || !width || !height) return 0;
    *buffer = nullptr;
    *width = 0;
    *height = 0;
    if (hasAlpha) *hasAlpha = 0;
    if (!path || (mode != PG_MODE_RGB && mode != PG_MODE_RGBA)) return 0;
    DecodedImage image;
    try {
        if (!load(path, mode == PG_MODE_RGBA ? 4 : 3, &image)) return 0;
    } catch (const std::bad_alloc&) {
        return 0;
    }
    *buffer = image.pixels;
    *width = image.width;
    *height = image.height;
    if (hasAlpha) *hasAlpha = image.hasAlpha ? 1 : 0;
    return 1;
}

void* PG_BMP_LoadByWindows(void) { return nullptr; }

uint32_t PG_Ver(void) { return PG_VERSION; }

void PG_Free(void* buffer) { std::free(buffer); }

const char* PG_GetSupportedExtensionOpen(void) { return kOpenFilter; }

const char* PG_GetSupportedExtensionSave(void) { return kSaveFilter; }

}  // extern "C"
