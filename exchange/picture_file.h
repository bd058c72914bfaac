#pragma once
#include <string>

#include "core/picture.h"
#include "exchange/image_library.h"

// Default filter of both file commands, in the library's "desc|pattern|" form.
inline constexpr const char* kDefaultPictureFilter =
    "JpegImage (*.jpg)|*.jpg|Bitmap Windows(*.bmp)|*.bmp|PNG (*.PNG)|*.PNG|";

// Writes the picture through the library (3 bytes a pixel, read through the wrap in
// connectable mode). False when the entry point is missing or the save failed.
bool savePictureFile(const ImageLibrary& lib, const Picture& picture, const std::string& path);

// Reads a file through the library in mode 0 and returns a new picture filled with
// storePixel, or null when the entry point is missing, the load failed or the
// picture could not be created. The library's buffer is released with PG_Free.
PicturePtr loadPictureFile(const ImageLibrary& lib, const std::string& path);
