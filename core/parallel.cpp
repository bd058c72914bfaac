#include "core/parallel.h"

#include <omp.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>

namespace {

std::atomic<int> g_override{0};

int environmentThreads() {
    static const int threads = [] {
        // Threads between two loops sleep instead of spinning: the loops are far apart
        // (one per command or repaint), and a spinning thread would take a core from
        // the rest of the desktop. Read by the runtime when it starts, which is here;
        // a value the user set stays.
        setenv("OMP_WAIT_POLICY", "PASSIVE", 0);
        const int cores = std::max(omp_get_num_procs(), 1);
        const char* text = std::getenv("VOSPREN_THREADS");
        if (!text || !*text) return cores;
        char* end = nullptr;
        const long n = std::strtol(text, &end, 10);
        if (*end != '\0' || n < 1) return cores;
        return int(std::min<long>(n, 256));
    }();
    return threads;
}

}  // namespace

int parallelThreads() {
    const int cores = environmentThreads();  // first, so the runtime starts as set up there
    const int forced = g_override.load(std::memory_order_relaxed);
    return forced > 0 ? forced : cores;
}

void setParallelThreads(int threads) { g_override.store(std::max(threads, 0), std::memory_order_relaxed); }

int64_t parallelBandCount(int64_t count, int64_t grain) {
    if (count <= 0) return 0;
    grain = std::max<int64_t>(grain, 1);
    return std::clamp<int64_t>(count / grain, 1, parallelThreads());
}

void runParallelBands(int64_t count, int64_t bands, ParallelBandFn fn, void* context) {
    if (count <= 0 || bands <= 0) return;
    if (bands == 1 || parallelThreads() == 1 || omp_in_parallel()) {
        for (int64_t b = 0; b < bands; ++b)
            fn(context, b, parallelBandStart(count, bands, b), parallelBandStart(count, bands, b + 1));
        return;
    }
    const int threads = int(std::min<int64_t>(bands, parallelThreads()));
#pragma omp parallel for num_threads(threads) schedule(static, 1)
    for (int64_t b = 0; b < bands; ++b)
        fn(context, b, parallelBandStart(count, bands, b), parallelBandStart(count, bands, b + 1));
}
