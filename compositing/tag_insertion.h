#pragma once
#include <cstdint>
#include <optional>

#include "compositing/tag_image.h"
#include "compositing/tag_insert_params.h"
#include "core/picture.h"

class Interaction;
struct ImageLibrary;

// The cells a stamp covered, before folding: columns x .. x + width - 1 and rows
// y .. y + height - 1 of the picture's plane extended without bounds.
struct TagFootprint {
    int64_t x = 0;
    int64_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// Where the stamp for a pointer at picture position (pointerX, pointerY) goes: the
// tag centred on the pointer folded into the picture (remainders keep the dividend's
// sign, halves by integer division).
TagFootprint tagFootprint(const Picture& picture, int32_t tw, int32_t th, int32_t pointerX, int32_t pointerY);

// Stamps the tag's tw x th cells (red, green, blue, opacity) into the picture once, at
// tagFootprint(): each pixel moves towards the cell by the cell's opacity scaled by
// `level`, then goes through putPixel, which wraps in connectable mode (or clips) and
// applies PaintSettings.blendLevel on top. Returns the footprint.
TagFootprint insertTagAt(Picture& picture, const uint8_t* cells, int32_t tw, int32_t th, int32_t pointerX,
                         int32_t pointerY, uint8_t level);

// The tag for TagInsertParams: `insertFile` read through the library (cells of
// `keyColor` made transparent in files without opacity) and, when `insertAngle` is not
// 0, rotated by it (anti-aliased when `insertAntiAlias` is set). Nothing for an empty
// path, a file the loader refused (it has said why) or a rotation too large for a picture
// (said here).
std::optional<TagImage> loadInsertTag(const ImageLibrary& library, const StoredTagInsert& params, uint32_t keyColor,
                                      Interaction& ui);
