#pragma once
#include <cstdint>
#include <optional>

#include "compositing/tag_image.h"

// Rotates a block of 4-byte cells by an angle in degrees (positive counter-clockwise
// on screen) into a new, larger block that holds the whole rotated rectangle, with
// all-zero cells where nothing of the source lands: the anti-aliased rotation when
// `antiAlias` is set, else the fast one. The source is not changed.
//
// Nothing when the rotated block would have more cells than a picture may have
// (kMaxPicturePixels), or when memory runs out; nothing is allocated then.
std::optional<TagImage> rotateBlock(const uint8_t* cells, int32_t w, int32_t h, double angle, bool antiAlias);

// The size rotateBlock gives for these arguments (possibly beyond any picture).
CellSize turnedSize(int32_t w, int32_t h, double angle, bool antiAlias);

// Whether a block of this size may be made at all.
bool blockSizeAllowed(int64_t width, int64_t height);

// The part of the rotation inside `window` (clipped to the rotated block): its cells are
// those of the whole rotation there, but only they are computed. Used where only a piece
// of a large rotation is wanted (a disc around the centre). Nothing when the window
// would be too large or memory runs out; `clipped` receives the window as clipped.
std::optional<TagImage> rotateBlockWindow(const uint8_t* cells, int32_t w, int32_t h, double angle, bool antiAlias,
                                          CellRect window, CellRect* clipped);

// The message shown when a rotation is refused for its size.
inline constexpr const char* kRotationTooLargeMessage = "The rotated picture would be larger than a picture may be";
