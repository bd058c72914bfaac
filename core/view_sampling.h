#pragma once
#include <cstddef>
#include <cstdint>

#include "core/picture.h"

// What every screen image of a picture shares (the main window's view and the
// preview's copies): the zoom range, the rows of a bitmap rounded up to 4, and the
// sampling itself. At zoom z a screen cell (c, r) shows picture point (c * z, r * z);
// screen bytes are blue, green, red, as the toolkit's bitmaps hold them.

inline constexpr int32_t kViewMinZoom = 1;
inline constexpr int32_t kViewMaxZoom = 16;

inline int32_t clampViewZoom(int32_t zoom) {
    return zoom < kViewMinZoom ? kViewMinZoom : zoom > kViewMaxZoom ? kViewMaxZoom : zoom;
}

// Rounds up to a multiple of 4, as bitmap rows are.
inline int64_t roundUpToFour(int64_t value) { return (value + 3) / 4 * 4; }

// How a screen cell is stored: 3 bytes (blue, green, red) or 4 (blue, green, red, 255).
enum class ViewCell { Bgr = 3, Bgrx = 4 };

// Writes `count` cells of screen row r of `picture` at `zoom` into `out`: picture row
// r * zoom, columns 0, zoom, 2 * zoom, ... Every point read must lie inside the picture
// (r * zoom < height, (count - 1) * zoom < width), where the wrap is the identity.
void sampleViewRow(const Picture& picture, int32_t zoom, int32_t r, int32_t count, uint8_t* out, ViewCell cell);

// Screen rows in a band of a parallel build at least.
inline constexpr int64_t kViewRowsPerBand = 32;
