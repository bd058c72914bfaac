#pragma once
#include <QImage>

#include <cstdint>
#include <vector>

#include "core/picture.h"

class QMimeData;

// The MIME type a bitmap travels under on the desktop's clipboard: a bitmap file.
inline constexpr const char* kBmpMimeType = "image/bmp";

// The picture as an opaque 32-bit image of its own size.
QImage imageFromPicture(const Picture& picture);

// What the clipboard offers for a picture: the image itself, which Qt serves as
// image/png and every other format it writes, and image/bmp carrying a 24-bit bitmap
// file of our own. The caller owns the result (QClipboard::setMimeData takes it).
QMimeData* pictureMimeData(const Picture& picture);

// The bitmap on the clipboard as the decoder takes it: image/bmp as it stands (a
// bitmap file or a bare bitmap); otherwise any image Qt can read, converted to 32
// bits a pixel and laid out as a top-down bitmap. Empty when there is neither.
std::vector<uint8_t> clipboardBitmap(const QMimeData* data);
