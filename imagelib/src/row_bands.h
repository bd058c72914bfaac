#pragma once
#include <cstdint>

// Shares a loop over rows among the processor's cores: the rows are cut into
// contiguous bands, each run start to end by one thread, and the call returns when
// every band is done. Only loops whose result does not depend on the order of their
// rows are shared, so any number of threads gives the same bytes.
// VOSPREN_THREADS=N in the environment limits the threads to N, as in the program.

// How many bands `count` rows are cut into: at most the threads allowed, each of at
// least `grain` rows; at least 1 when count > 0.
int64_t rowBandCount(int64_t count, int64_t grain);

// Start of band `band` of `bands` over `count` rows; band `bands` starts at `count`.
inline int64_t rowBandStart(int64_t count, int64_t bands, int64_t band) { return count * band / bands; }

using RowBandFn = void (*)(void* context, int64_t band, int64_t begin, int64_t end);

// fn(context, b, begin, end) for each band b of `bands`, side by side. fn must not throw.
void runRowBands(int64_t count, int64_t bands, RowBandFn fn, void* context);

template <class Body>
void forEachRowBand(int64_t count, int64_t bands, Body&& body) {
    runRowBands(
        count, bands,
        [](void* context, int64_t band, int64_t begin, int64_t end) {
            (*static_cast<Body*>(context))(band, begin, end);
        },
        &body);
}
