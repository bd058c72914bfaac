#pragma once
#include <cstdint>

#include "compositing/cell_block.h"

// The fast turn: every destination cell copies the one source cell found by turning
// its position back by the angle (degrees, positive counter-clockwise on screen),
// truncating toward zero. The result holds the whole turned rectangle, truncated to
// whole cells; cells where no source cell lands are all zero. The angle is used as
// given, with pi shortened to 3.141592653.

// Width and height of the fast turn of a w x h block.
CellSize fastTurnSize(int32_t w, int32_t h, double angle);

// Writes the cells of the turned block that lie in `window` (which must lie inside
// fastTurnSize) to `out`, window.width x window.height cells, row by row. Each cell is
// exactly the one the whole turn gives there.
void rotateFastInto(const uint8_t* cells, int32_t w, int32_t h, double angle, const CellRect& window, uint8_t* out);

// The whole turn; the caller checks the size first (rotateBlock does).
CellBlock rotateFast(const uint8_t* cells, int32_t w, int32_t h, double angle);
