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

// Whether `path` names a PNG file: it ends in ".png", in any case.
bool isPngPath(const std::string& path);

// Saves the picture under `path` as the file commands do: without the library's save
// entry point nothing is written; a PNG name goes to our own PNG writer with the
// process's compression choice (pngCompression()), whole or not at all; any other
// name to the library (savePictureFile). False on failure, with the system's reason
// in `reason` when there is one (a full disc, a folder that cannot be written).
bool writePictureFile(const ImageLibrary& lib, const Picture& picture, const std::string& path,
                      std::string* reason = nullptr);

// Reads a file through the library in mode 0 and returns a new picture filled with
// storePixel, or null when the entry point is missing, the load failed or the
// picture could not be created. The library's buffer is released with PG_Free.
// `hadAlpha`, when given, says whether the file carried transparency of its own
// (which the library laid flat).
PicturePtr loadPictureFile(const ImageLibrary& lib, const std::string& path, bool* hadAlpha = nullptr);
