#pragma once
#include <cstddef>
#include <cstdint>

#include "core/picture.h"
#include "core/view_sampling.h"

// The screen image of a picture: 32 bits a pixel, bytes blue, green, red, 255,
// `width` rounded up to a multiple of 4 columns and the picture's height in rows.
// At zoom z, screen cell (c, r) shows picture point (c*z, r*z); cells past the
// zoomed area stay white. Columns past the picture's right edge repeat its left
// edge in connectable mode and the last color read otherwise.
inline int32_t displayWidth(int32_t pictureWidth) { return int32_t(roundUpToFour(pictureWidth)); }

// Fills `out` (displayWidth(w) * h * 4 bytes, rows `stride` bytes apart) for the
// given zoom (clamped to 1..16) and connectable mode. Rows are built on all cores.
void buildDisplayImage(const Picture& picture, int32_t zoom, bool connectable, uint8_t* out, size_t stride);
