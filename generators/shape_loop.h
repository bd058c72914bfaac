#pragma once
#include <cstdint>

#include "core/interaction.h"

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

// The start of every generator: Escape polled once, the answer only clears a
// press left over from before.
inline void escapePreCheck(Interaction& ui) { (void)interruptRequested(ui); }

// Draws a value in [min, min + |max - min|) for a random size: min when the range
// is empty, without consuming a draw.
int64_t drawInRange(int32_t min, int32_t max);

// Sizes of polygon and vector shapes are held within this magnitude: far beyond
// any picture, yet small enough that the outline of such a shape stays bounded work.
inline constexpr int64_t kMaxShapeExtent = int64_t(1) << 24;

inline int64_t clampExtent(int64_t v) {
    return v > kMaxShapeExtent ? kMaxShapeExtent : v < -kMaxShapeExtent ? -kMaxShapeExtent : v;
}
