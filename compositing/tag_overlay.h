#pragma once
#include <cstdint>

#include "compositing/preview_display.h"

// The tag that follows the pointer over the preview, drawn into the display image
// (never into the picture). `cells` are the tag's tw x th cells of red, green, blue,
// opacity, rows top to bottom.

// Draws the tag reduced by the display's zoom (every zoom-th cell each way) with its
// top-left at picture position (x, y): cell (c * zoom, r * zoom) goes to display pixel
// (c + x / zoom, r + y / zoom), divisions toward zero, where it lies inside the display
// image. Each channel moves towards the cell's by its opacity scaled by `level`;
// transparent cells are skipped.
void drawTagOverlay(PreviewDisplay& display, const uint8_t* cells, int32_t tw, int32_t th, int64_t x, int64_t y,
                    uint8_t level);

// The nine copies for a pointer at picture position (pointerX, pointerY): the tag
// centred on the pointer folded into the first copy (remainders keep the dividend's
// sign), then shifted by every combination of 0, W and 2 * W across and 0, H, 2 * H
// down.
void drawTagOverlays(PreviewDisplay& display, const uint8_t* cells, int32_t tw, int32_t th, int32_t pointerX,
                     int32_t pointerY, uint8_t level);
