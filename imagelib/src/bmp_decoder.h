#pragma once
#include <cstddef>
#include <cstdint>

#include "decoded_image.h"

// Decodes a Windows bitmap file held in memory: 1, 4, 8, 16, 24 and 32 bits per pixel,
// bottom-up and top-down rows, RLE8 and RLE4, bit fields (3 or 4 masks), headers of
// 12, 40, 52, 56, 108 and 124 bytes. `channels` is 3 or 4. Pixels that RLE data leaves
// unset are opaque black; palette indices beyond the palette are black too.
bool decodeBmp(const uint8_t* data, size_t size, int channels, DecodedImage* out);

// How much of a file's start decodeBmpFile needs in memory: every header and palette
// fits well inside.
inline constexpr size_t kBmpHeadBytes = 4096;

enum class BmpFileResult { decoded, refused, needsWholeFile };

// The same for an open file of `fileSize` bytes whose first `headSize` bytes are in
// `head`: uncompressed rows are read a band at a time straight into the picture, never
// the whole file at once. needsWholeFile: run-length data, a short file, or pixels
// that start past the head; the caller then reads the file and calls decodeBmp.
// refused: not a bitmap this decoder takes, or the file ended or failed early.
BmpFileResult decodeBmpFile(int fd, uint64_t fileSize, const uint8_t* head, size_t headSize, int channels,
                            DecodedImage* out);
