#include "exchange/ui/clipboard_mime.h"

#include <QMimeData>
#include <QStringList>

#include "core/parallel.h"
#include "exchange/dib_codec.h"
#include "exchange/pixel_rows.h"

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
    // Format_RGB32 holds blue, green, red, 255 on a little-endian machine (see below).
    const size_t rowCells = size_t(picture.width);
    uchar* const bits = image.bits();  // detached once, here, not per row from the threads
    const size_t stride = size_t(image.bytesPerLine());
    parallelRows(picture.height, 64, [&](int64_t begin, int64_t end) {
        for (int64_t y = begin; y < end; ++y)
            cellsToBgrx(picture.pixels + size_t(y) * rowCells * 4, bits + size_t(y) * stride, rowCells);
    });
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
