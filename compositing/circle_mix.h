#pragma once
#include <cstdint>
#include <optional>

#include "compositing/circle_mix_params.h"
#include "compositing/tag_image.h"
#include "compositing/tag_set.h"

class Interaction;
struct ImageLibrary;
struct Picture;

// Covers the picture with discs cut from the source files, each of random radius,
// taken at a random place of a random source, optionally rotated, and mixed in with a
// weight that is full out to the opaque radius and falls to nothing at the rim. With
// `plug` set, a second phase puts discs where coverage stayed below 240 until none
// is left. Loads the files first (each unreadable one is reported and stays out),
// seeds the random sequence from ui.clockSeconds(), polls Escape at the start (answer
// ignored), after each disc of the random phase and after each row and pass of the
// plugging phase ("Interrompre ?" Yes ends that phase), reports ui.progress(n) after
// each disc and ui.passStarted(p) as each plugging pass starts. A disc whose rotated
// square would be larger than a picture may be ends the run with a message. Without
// the memory for the coverage mask it throws OutOfMemory before drawing anything.
void mixCircles(Picture* picture, const CircleMixParams& params, bool antiAlias, const ImageLibrary& library,
                Interaction& ui);

// The source of one disc, ready for blendDisc: the source picture itself, or a rotated
// square cut from it (only the part a disc of the radius reads is computed).
struct DiscSource {
    const uint8_t* cells = nullptr;
    int32_t width = 0, height = 0;
    int32_t cx = 0, cy = 0;  // the disc's centre in it
    TagImage rotated;        // owns the cells of a rotated source
};

// Draws the blend level and the angle, and for a rotation the square's place; nothing
// when the square would be larger than a picture may be.
std::optional<DiscSource> prepareDiscSource(const TagSet& set, int32_t index, int64_t cx, int64_t cy, int64_t r,
                                            bool antiAlias, bool rotation);

// One disc of source `index` centred at (x, y): mix, opaque and radius draws, the
// source centre, then prepareDiscSource and blendDisc into the set's coverage mask.
// False only when the rotation was refused (nothing is drawn then); `refusedRadius`
// then receives the disc's radius.
bool drawMixDisc(const TagSet& set, int32_t index, Picture* picture, int32_t x, int32_t y,
                 const StoredCircleMix& params, bool antiAlias, int64_t* refusedRadius = nullptr);

// The plugging phase over the set's coverage mask. `discs` counts the discs of the
// run for the progress reports. False when a rotation was refused, with its radius.
bool plugHoles(Picture* picture, const StoredCircleMix& params, bool antiAlias, const TagSet& set, Interaction& ui,
               int64_t& discs, int64_t* refusedRadius = nullptr);

// The refusal of a disc too large to rotate, with its radius.
std::string discTooLargeMessage(int64_t radius);
