#pragma once
#include <cstdint>
#include <optional>

#include "compositing/cell_block.h"

// Turns a block of 4-byte cells by an angle in degrees (positive counter-clockwise
// on screen) into a new, larger block that holds the whole turned rectangle, with
// all-zero cells where nothing of the source lands: the anti-aliased turn when
// `antiAlias` is set, else the fast one. The source is not changed.
//
// Nothing when the turned block would have more cells than a picture may have
// (kMaxPicturePixels), or when memory runs out; nothing is allocated then.
std::optional<CellBlock> rotateBlock(const uint8_t* cells, int32_t w, int32_t h, double angle, bool antiAlias);

// The size rotateBlock gives for these arguments (possibly beyond any picture).
CellSize turnedSize(int32_t w, int32_t h, double angle, bool antiAlias);

// Whether a block of this size may be made at all.
bool blockSizeAllowed(int64_t width, int64_t height);

// The part of the turn inside `window` (clipped to the turned block): its cells are
// those of the whole turn there, but only they are computed. Used where only a piece
// of a large turn is wanted (a disc around the centre). Nothing when the window
// would be too large or memory runs out; `clipped` receives the window as clipped.
std::optional<CellBlock> rotateBlockWindow(const uint8_t* cells, int32_t w, int32_t h, double angle, bool antiAlias,
                                           CellRect window, CellRect* clipped);

// The message shown when a turn is refused for its size.
inline constexpr const char* kTurnTooLargeMessage = "The rotated picture would be larger than a picture may be";
