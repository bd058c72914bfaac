#include "app/recovery_image.h"

#include <zlib.h>
#include <QImage>
#include <QImageReader>

#include <cstring>

#include "app/recovery_files.h"
#include "exchange/png_writer.h"
#include "ui/file_chooser.h"

namespace {
PicturePtr fail(std::string* problem, const char* reason) {
    if (problem) *problem = reason;
    return nullptr;
}

void putBigEndian32(std::string& out, uint32_t v) {
    const char bytes[4] = {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
    out.append(bytes, 4);
}

// A tEXt chunk: keyword, a zero byte, the text; then the CRC of type and data.
std::string textChunk(const std::string& key, const std::string& text) {
    std::string data = "tEXt" + key + '\0' + text;
    std::string chunk;
    putBigEndian32(chunk, uint32_t(data.size() - 4));
    chunk += data;
    putBigEndian32(chunk, uint32_t(crc32(0, reinterpret_cast<const Bytef*>(data.data()), uInt(data.size()))));
    return chunk;
}

// The signature (8 bytes) and the header chunk (25 bytes) come first in every PNG;
// the marker goes right after them, where readers meet it before the pixels.
constexpr size_t kBeforeMarker = 8 + 25;
}  // namespace

Picture RecoveryCopy::view() const {
    Picture p;
    p.width = width;
    p.height = height;
    p.pixels = pixels.get();
    return p;
}

bool copyForRecovery(const Picture& picture, RecoveryCopy& copy) {
    if (picture.width <= 0 || picture.height <= 0 || !picture.pixels) return false;
    const size_t bytes = size_t(picture.width) * size_t(picture.height) * 4;
    if (copy.capacity < bytes) {
        copy.pixels.reset(new (std::nothrow) uint8_t[bytes]);
        copy.capacity = copy.pixels ? bytes : 0;
        if (!copy.pixels) return false;
    }
    copy.width = picture.width;
    copy.height = picture.height;
    std::memcpy(copy.pixels.get(), picture.pixels, bytes);
    return true;
}

std::string encodeRecoveryPng(const RecoveryCopy& copy) {
    const PngBytes png = encodePng(copy.view(), PngCompression::Fast);
    if (png.size < kBeforeMarker) return {};
    const std::string marker = textChunk(kRecoveryMarkerKey, std::to_string(kRecoveryFormatVersion));
    std::string out;
    out.reserve(png.size + marker.size());
    out.append(reinterpret_cast<const char*>(png.bytes()), kBeforeMarker);
    out += marker;
    out.append(reinterpret_cast<const char*>(png.bytes()) + kBeforeMarker, png.size - kBeforeMarker);
    return out;
}

PicturePtr readRecoveryPicture(const std::string& path, std::string* problem) {
    QImageReader reader(pathToQt(path), "png");
    reader.setAutoTransform(false);
    if (!reader.canRead()) return fail(problem, "not a picture");
    switch (judgeRecoveryMarker(reader.text(kRecoveryMarkerKey).toStdString())) {
    case RecoveryMarker::Readable:
        break;
    case RecoveryMarker::Newer:
        return fail(problem, "written by a newer version");
    case RecoveryMarker::Missing:
    case RecoveryMarker::Malformed:
        return fail(problem, "not a recovery file");
    }
    const QSize size = reader.size();
    if (size.width() <= 0 || size.height() <= 0 || int64_t(size.width()) * size.height() > kMaxPicturePixels)
        return fail(problem, "too large");
    // Large enough for any picture we make; the reader's own default is smaller.
    QImageReader::setAllocationLimit(int(kMaxPicturePixels * 4 / (1024 * 1024)) + 1);
    QImage image;
    if (!reader.read(&image) || image.size() != size) return fail(problem, "damaged or cut short");
    image.convertTo(QImage::Format_RGBX8888);
    PicturePtr picture = createPicture(image.width(), image.height(), 0);
    if (!picture) return fail(problem, "not enough memory");
    const size_t row = size_t(image.width()) * 4;
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(picture->pixels + size_t(y) * row, image.constScanLine(y), row);
    return picture;
}
