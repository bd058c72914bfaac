#pragma once
#include <omp.h>

#include <cstdint>

#include "exchange/png_threads.h"

// The exchange coders' share-out of independent bands over the cores. The bands are
// cut by the data alone, never by the number of threads, so every count gives the
// same bytes.

// How many workers forEachPngBand uses for `count` bands: at least 1.
inline int pngWorkers(int64_t count) {
    const int threads = pngThreads();
    return int(count < threads ? (count > 1 ? count : 1) : threads);
}

// body(worker, band) for band in [0, count), side by side, worker below
// pngWorkers(count) and never shared by two bands at once; body must not throw.
template <class Body>
void forEachPngBand(int64_t count, Body&& body) {
    const int workers = pngWorkers(count);
    if (workers <= 1) {
        for (int64_t b = 0; b < count; ++b) body(0, b);
        return;
    }
#pragma omp parallel for num_threads(workers) schedule(dynamic, 1)
    for (int64_t b = 0; b < count; ++b) body(omp_get_thread_num(), b);
}
