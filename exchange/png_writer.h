#pragma once
#include <cstdint>
#include <string>

#include "core/picture.h"
#include "exchange/png_deflate.h"

// Most compressed bytes one IDAT chunk carries; the stream goes over as many as needed.
inline constexpr size_t kPngMaxIdatBytes = size_t(1) << 20;

// The picture as a PNG file: 8-bit RGB without interlacing (alpha is always 255 and
// is not stored), each row filtered with the filter that suits it, the compressed
// rows in IDAT chunks, every chunk with its CRC. Nothing (size 0) when the picture is
// empty or memory runs out. The bytes do not depend on the number of threads.
PngBytes encodePng(const Picture& picture, PngCompression compression);

// Encodes the picture and replaces `path` with it whole (storage's atomic write):
// a full disc or a folder that cannot be written leaves no file behind. False with
// the reason in `error` when given.
bool writePngFile(const std::string& path, const Picture& picture, PngCompression compression,
                  std::string* error = nullptr);
