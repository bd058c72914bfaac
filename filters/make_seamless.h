#pragma once
#include <cstdint>

#include "core/interaction.h"
#include "core/picture.h"

// "Make Seamless": turns a picture into one that tiles along the chosen axes, keeping
// its detail (periodic) or its contrast (blend). The result replaces the picture: the
// paint level and connectable mode play no part.
enum class SeamlessMethod : int32_t {
    // The periodic component of the periodic-plus-smooth decomposition: the picture
    // minus the smooth field that carries the jumps across the wrapped edges.
    Periodic = 0,
    // The picture blended with its copy shifted by half the size, the variance kept.
    Blend = 1,
};

enum class SeamlessAxes : int32_t {
    Both = 0,
    Horizontal = 1,  // the left and right edges meet
    Vertical = 2,    // the top and bottom edges meet
};

struct SeamlessOptions {
    SeamlessMethod method = SeamlessMethod::Periodic;
    SeamlessAxes axes = SeamlessAxes::Both;
};

inline bool seamlessAlongX(SeamlessAxes axes) { return axes != SeamlessAxes::Vertical; }
inline bool seamlessAlongY(SeamlessAxes axes) { return axes != SeamlessAxes::Horizontal; }

enum class SeamlessOutcome {
    Done,
    TooSmall,  // a side below 4: nothing changed
    Stopped,   // Escape answered with Yes between two channels: nothing changed
};

// The periodic method works channel by channel, red and green into planes of their own
// that join the picture after the last channel, so a stop leaves the picture as it was;
// the blend is one short pass over all channels. Asks `ui` about Escape before the
// first channel (the answer is ignored, as every long operation does) and between the
// channels, and reports the channels done through ui.progress. When the working memory
// cannot be had, std::bad_alloc leaves the picture as it was. Alpha stays 255.
// Beyond the picture the periodic method takes half a plane of the picture's size and
// the rows of one block for each thread (about 8 bytes a column per row); the blend two rows
// for each thread, or a plane along an odd height.
SeamlessOutcome makeSeamless(Picture* picture, SeamlessOptions options, Interaction& ui);
