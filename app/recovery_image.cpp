#include "app/recovery_image.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

#include <cstring>

#include "app/recovery_files.h"

namespace {
// zlib's fastest level, 1: a recovery file is written often and read once. Qt's PNG
// writer takes the level through the quality (100 - quality) * 9 / 91; its
// compression setting does not reach zlib.
constexpr int kFastQuality = 80;

PicturePtr fail(std::string* problem, const char* reason) {
    if (problem) *problem = reason;
    return nullptr;
}
}  // namespace

QImage recoveryImageOf(const Picture& picture) {
    QImage image;
    if (!copyIntoRecoveryImage(picture, image)) return {};
    return image;
}

bool copyIntoRecoveryImage(const Picture& picture, QImage& image) {
    if (picture.width <= 0 || picture.height <= 0 || !picture.pixels) return false;
    // The picture's cells are red, green, blue, 255: the byte order of RGBX8888.
    if (image.width() != picture.width || image.height() != picture.height || image.format() != QImage::Format_RGBX8888)
        image = QImage(picture.width, picture.height, QImage::Format_RGBX8888);
    if (image.isNull()) return false;
    const size_t row = size_t(picture.width) * 4;
    for (int32_t y = 0; y < picture.height; ++y) std::memcpy(image.scanLine(y), picture.pixels + size_t(y) * row, row);
    return true;
}

QByteArray encodeRecoveryImage(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(kFastQuality);
    writer.setText(kRecoveryMarkerKey, QString::number(kRecoveryFormatVersion));
    if (!writer.write(image)) return {};
    return bytes;
}

PicturePtr readRecoveryPicture(const std::string& path, std::string* problem) {
    QImageReader reader(QString::fromLocal8Bit(path.c_str()), "png");
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
