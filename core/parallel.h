#pragma once
#include <cstdint>

// Shares the loop of one operation over the processor's cores. The work is cut into
// contiguous bands, one per thread, each band run start to end by one thread; the
// calling thread waits until every band is done. Callers only split loops whose result
// does not depend on the order of their iterations, so any number of threads gives
// the same bytes.
//
// VOSPREN_THREADS=N in the environment limits the threads to N (1: every band runs on
// the calling thread, no thread is started); without it every core is used.

// The threads a parallel loop may use: at least 1.
int parallelThreads();

// Overrides VOSPREN_THREADS for the rest of the process (tests and benchmarks compare
// counts within one run); 0 goes back to the environment's choice.
void setParallelThreads(int threads);

// How many bands `count` items are cut into: at most parallelThreads(), each of at
// least `grain` items (at least one band when count > 0).
int64_t parallelBandCount(int64_t count, int64_t grain);

// Start of band `band` of `bands` over `count` items; band `bands` starts at `count`.
inline int64_t parallelBandStart(int64_t count, int64_t bands, int64_t band) { return count * band / bands; }

using ParallelBandFn = void (*)(void* context, int64_t band, int64_t begin, int64_t end);

// Runs fn(context, b, begin_b, end_b) for every band b of `bands` over `count` items,
// the bands side by side. Nested calls (from within a band) run their bands in turn.
// fn must not throw: whatever a band needs is allocated before the call.
void runParallelBands(int64_t count, int64_t bands, ParallelBandFn fn, void* context);

// body(band, begin, end) for each band of parallelBandCount(count, grain) bands.
template <class Body>
void parallelBands(int64_t count, int64_t bands, Body&& body) {
    runParallelBands(
        count, bands,
        [](void* context, int64_t band, int64_t begin, int64_t end) {
            (*static_cast<Body*>(context))(band, begin, end);
        },
        &body);
}

// body(begin, end) over [0, count) in bands of at least `grain` items.
template <class Body>
void parallelRows(int64_t count, int64_t grain, Body&& body) {
    parallelBands(count, parallelBandCount(count, grain),
                  [&body](int64_t, int64_t begin, int64_t end) { body(begin, end); });
}
