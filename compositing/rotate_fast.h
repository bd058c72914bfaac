#pragma once
#include <cstdint>

#include "compositing/tag_image.h"

// The fast rotation: every destination cell copies the one source cell found by rotating
// its position back by the angle (degrees, positive counter-clockwise on screen),
// truncating toward zero. The result holds the whole rotated rectangle, truncated to
// whole cells; cells where no source cell lands are all zero. The angle is used as
// given, with pi shortened to 3.141592653.

// Width and height of the fast rotation of a w x h block.
CellSize fastRotatedSize(int32_t w, int32_t h, double angle);

// Writes the cells of the rotated block that lie in `window` (which must lie inside
// fastRotatedSize) to `out`, window.width x window.height cells, row by row. Each cell is
// exactly the one the whole rotation gives there.
void rotateFastInto(const uint8_t* cells, int32_t w, int32_t h, double angle, const CellRect& window, uint8_t* out);

// The whole rotation; the caller checks the size first (rotateBlock does).
TagImage rotateFast(const uint8_t* cells, int32_t w, int32_t h, double angle);
