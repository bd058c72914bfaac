#include "generators/shape_loop.h"

#include "core/random_sequence.h"

int64_t drawInRange(int32_t min, int32_t max) {
    const int64_t span = int64_t(max) - int64_t(min);
    if (span == 0) return min;
    // nextRandom is never negative, so a reversed range acts with its magnitude.
    return int64_t(min) + nextRandom() % span;
}
