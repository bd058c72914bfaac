#pragma once
#include <cstdint>

#include "compositing/tag_params.h"
#include "compositing/tag_set.h"

class Interaction;
struct ImageLibrary;
struct Picture;

// Covers the picture with stamps of the tag files: each at a random place, of a
// random tag, optionally rotated by a random whole angle, mixed in by its opacity and
// a blend level from the mix range. Cells of `keyColor` are transparent. Loads the
// files first (each unreadable one is reported and stays out), seeds the random
// sequence from ui.clockSeconds(), polls Escape once at the start (answer ignored)
// and after each stamp ("Interrompre ?" Yes stops), reports ui.progress(n). A count
// of 0 or less stamps until interrupted. A stamp whose rotation would be larger than a
// picture may be ends the run with a message.
void stampTags(Picture* picture, const TagParams& params, uint32_t keyColor, bool antiAlias,
               const ImageLibrary& library, Interaction& ui);

// One stamp of entry `index` with its top-left corner at (x, y): draws the blend
// level (also for an absent entry, which then places nothing), then the angle, and
// rotates the tag when `rotation` is set and the angle is not 0. False only when the
// rotation was refused for its size (nothing is stamped then).
bool stampTag(const TagSet& set, int32_t index, Picture* picture, int32_t x, int32_t y, uint32_t keyColor,
              bool antiAlias, bool rotation);
