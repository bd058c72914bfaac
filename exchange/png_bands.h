#pragma once
#include <cstdint>
#include <cstdlib>

#include <omp.h>

// The PNG coder's share-out of independent bands over the cores. The bands are cut
// by the data alone, never by the number of threads, so every count gives the same
// bytes. VOSPREN_THREADS=N limits the threads (1: all on the calling thread).
inline int pngThreads() {
    static const int threads = [] {
        const char* text = std::getenv("VOSPREN_THREADS");
        const long n = text ? std::strtol(text, nullptr, 10) : 0;
        return n >= 1 ? int(n < 256 ? n : 256) : omp_get_num_procs();
    }();
    return threads;
}

// How many workers forEachPngBand uses for `count` bands: at least 1.
inline int pngWorkers(int64_t count) { return int(count < pngThreads() ? (count > 1 ? count : 1) : pngThreads()); }

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
