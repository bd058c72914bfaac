#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "core/picture.h"

// The picture of a recovery file: a PNG from the program's own writer at its "Fast"
// setting, with the format's version marker in a text chunk (app/recovery_files.h).

// A copy of a picture's pixels, kept apart from the picture while it is written out
// (the picture may change meanwhile). Its memory serves the next copy of the same size.
struct RecoveryCopy {
    int32_t width = 0;
    int32_t height = 0;
    std::unique_ptr<uint8_t[]> pixels;
    size_t capacity = 0;  // bytes allocated

    // The copy seen as a picture (without a mask), for the writer.
    Picture view() const;
};

// Copies the picture's pixels into `copy`, using its memory again when it is large
// enough: a large picture then costs one copy into memory already in use, not a fresh
// allocation touched page by page. False when memory runs out or there is no picture.
bool copyForRecovery(const Picture& picture, RecoveryCopy& copy);

// The PNG bytes of the copy with the marker; empty when memory runs out. Safe off the
// user-interface thread.
std::string encodeRecoveryPng(const RecoveryCopy& copy);

// A recovery file read back: the picture, or null with the reason in `problem`
// (not a picture, a truncated one, no marker, a newer version, too large).
PicturePtr readRecoveryPicture(const std::string& path, std::string* problem);
