#include "exchange/ui/clipboard_mime.h"

#include <QMimeData>
#include <QStringList>

#include "exchange/dib_codec.h"

namespace {

std::vector<uint8_t> bitmapFromImage(const QImage& source) {
    if (source.isNull()) return {};
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) return {};
    // Format_RGB32 is 0xffRRGGBB in native order: blue, green, red, 255 on a
    // little-endian machine, the byte order of a 32-bit bitmap.
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "32-bit images are read as blue, green, red bytes");
    return encodeTopDownDib32(image.width(), image.height(), image.constBits(), size_t(image.bytesPerLine()));
}

}  // namespace

QImage imageFromPicture(const Picture& picture) {
    if (!picture.pixels || picture.width <= 0 || picture.height <= 0) return {};
    QImage image(picture.width, picture.height, QImage::Format_RGB32);
    if (image.isNull()) return {};
    for (int32_t y = 0; y < picture.height; ++y) {
        const uint8_t* src = picture.pixels + size_t(y) * size_t(picture.width) * 4;
        auto* dst = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int32_t x = 0; x < picture.width; ++x, src += 4) dst[x] = qRgb(src[0], src[1], src[2]);
    }
    return image;
}

QMimeData* pictureMimeData(const Picture& picture) {
    auto* data = new QMimeData;
    data->setImageData(imageFromPicture(picture));
    // Coded straight into the bytes handed over: every byte is written, so they need
    // no clearing first.
    QByteArray bmp(qsizetype(bmpFileSize(picture, 24)), Qt::Uninitialized);
    if (!bmp.isEmpty()) encodeBmpFileInto(picture, 24, reinterpret_cast<uint8_t*>(bmp.data()));
    data->setData(kBmpMimeType, bmp);
    return data;
}

std::vector<uint8_t> clipboardBitmap(const QMimeData* data) {
    if (!data) return {};
    if (data->hasFormat(kBmpMimeType)) {
        const QByteArray bytes = data->data(kBmpMimeType);
        if (!bytes.isEmpty()) return std::vector<uint8_t>(bytes.begin(), bytes.end());
    }
    if (data->hasImage()) {
        std::vector<uint8_t> bitmap = bitmapFromImage(qvariant_cast<QImage>(data->imageData()));
        if (!bitmap.empty()) return bitmap;
    }
    // A plain MIME object of another program can carry an encoded image under its
    // own type without offering it as an image.
    for (const QString& format : data->formats()) {
        if (!format.startsWith(QLatin1String("image/"))) continue;
        std::vector<uint8_t> bitmap = bitmapFromImage(QImage::fromData(data->data(format)));
        if (!bitmap.empty()) return bitmap;
    }
    return {};
}
