#pragma once
#include <cstdint>

#include "core/interaction.h"
#include "core/paint_settings.h"
#include "core/random_sequence.h"

// The loop every shape generator shares: one shape, its progress, the Escape check
// ("Interrompre ?" answered Yes ends the run, keeping what was drawn), and the
// count (0 or less: until interrupted).
template <class DrawOne>
void runShapeLoop(Interaction& ui, int32_t count, DrawOne drawOne) {
    for (int64_t n = 1;; ++n) {
        drawOne();
        ui.progress(n);
        if (interruptRequested(ui)) return;
        if (count >= 1 && n >= count) return;
    }
}

// The same loop for shapes whose memory is worth asking for ahead: each shape's
// random draws are taken one shape early, so that `fetch(next)` can ask for the cells
// of the next shape while `paint(current)` writes this one. `draw()` takes one shape's
// draws, setting its blend level, and returns them as a Shape. The draws come in the
// same order as in runShapeLoop; when the run stops, the draws of the shape that will
// not be painted are given back (the sequence and the blend level are left as the
// last painted shape left them).
template <class Draw, class Fetch, class Paint>
void runShapeLoopAhead(Interaction& ui, int32_t count, Draw draw, Fetch fetch, Paint paint) {
    PaintSettings& settings = paintSettings();
    auto current = draw();
    uint8_t currentLevel = settings.blendLevel;
    for (int64_t n = 1;; ++n) {
        const bool last = count >= 1 && n >= count;
        const uint32_t drawnSoFar = randomState();
        decltype(current) next{};
        uint8_t nextLevel = currentLevel;
        if (!last) {
            next = draw();
            nextLevel = settings.blendLevel;
            settings.blendLevel = currentLevel;
            fetch(next);
        }
        paint(current);
        ui.progress(n);
        if (interruptRequested(ui)) {
            seedRandom(drawnSoFar);
            return;
        }
        if (last) return;
        current = next;
        currentLevel = nextLevel;
        settings.blendLevel = nextLevel;
    }
}

// How many rows of the next shape runShapeLoopAhead's callers ask for: enough to keep
// the memory busy while the current shape is written, few enough not to crowd out
// that shape's own fetches.
inline constexpr int32_t kRowsFetchedAhead = 12;

// The start of every generator: Escape polled once, the answer only clears a
// press left over from before.
inline void escapePreCheck(Interaction& ui) { (void)interruptRequested(ui); }

// Draws a value in [min, min + |max - min|) for a random size: min when the range
// is empty, without consuming a draw.
inline int64_t drawInRange(int32_t min, int32_t max) {
    const int64_t span = int64_t(max) - int64_t(min);
    if (span == 0) return min;
    // nextRandom is never negative, so a reversed range acts with its magnitude. That
    // magnitude is below 2^32, so the remainder is taken in 32 bits, where it is cheap.
    const uint32_t magnitude = uint32_t(span < 0 ? -span : span);
    return int64_t(min) + int64_t(uint32_t(nextRandom()) % magnitude);
}

// Sizes of polygon and vector shapes are held within this magnitude: far beyond
// any picture, yet small enough that the outline of such a shape stays bounded work.
inline constexpr int64_t kMaxShapeExtent = int64_t(1) << 24;

inline int64_t clampExtent(int64_t v) {
    return v > kMaxShapeExtent ? kMaxShapeExtent : v < -kMaxShapeExtent ? -kMaxShapeExtent : v;
}
