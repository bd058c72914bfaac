#pragma once
#include <algorithm>
#include <cstdint>

#include "core/parallel.h"

// The exchange coders' share-out of independent bands over the cores. The bands are
// cut by the data alone, never by the number of threads, so every count gives the
// same bytes.

// How many workers forEachPngBand uses for `count` bands: at least 1.
inline int pngWorkers(int64_t count) { return int(std::clamp<int64_t>(count, 1, parallelThreads())); }

// body(worker, band) for band in [0, count), side by side: each worker (below
// pngWorkers(count)) runs a contiguous run of bands in turn. body must not throw.
template <class Body>
void forEachPngBand(int64_t count, Body&& body) {
    parallelBands(count, pngWorkers(count), [&body](int64_t worker, int64_t begin, int64_t end) {
        for (int64_t b = begin; b < end; ++b) body(int(worker), b);
    });
}
