#pragma once
#include <QByteArray>
#include <QImage>

#include <string>

#include "core/picture.h"

// The picture of a recovery file: a PNG written for speed rather than size, with
// the format's version marker in a text entry (app/recovery_files.h).

// The picture's pixels as an image of its own (a copy: the picture may change
// while the copy is written out). Null when memory runs out.
QImage recoveryImageOf(const Picture& picture);
// The same into `image`, whose memory is used again when it has the picture's size:
// a large picture then costs one copy into memory already in use, not a fresh
// allocation touched page by page. False when memory runs out.
bool copyIntoRecoveryImage(const Picture& picture, QImage& image);

// The PNG bytes of the image with the marker; empty on failure. Safe off the
// user-interface thread.
QByteArray encodeRecoveryImage(const QImage& image);

// A recovery file read back: the picture, or null with the reason in `problem`
// (not a picture, a truncated one, no marker, a newer version, too large).
PicturePtr readRecoveryPicture(const std::string& path, std::string* problem);
