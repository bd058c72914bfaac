#pragma once
#include <cstddef>
#include <cstdint>

// The row filters of PNG pictures: each stored row is a type byte, then the row's
// bytes less a prediction from the bytes to the left (one pixel back), above and
// above-left. The pictures written here have 3 bytes a pixel.
enum class PngRowFilter : uint8_t { None = 0, Sub = 1, Up = 2, Average = 3, Paeth = 4 };

inline constexpr size_t kPngPixelBytes = 3;

// Filters one row of `rowBytes` bytes into out[0] (the type) and out[1..rowBytes].
// `above` is the unfiltered row above, all zeros for the first row. The filter is the
// one whose bytes, read as signed, have the smallest sum of magnitudes; a tie goes to
// the lower type. Wide and baseline builds give the same bytes.
PngRowFilter filterPngRow(const uint8_t* row, const uint8_t* above, size_t rowBytes, uint8_t* out);
