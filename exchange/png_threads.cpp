#include "exchange/png_threads.h"

#include <omp.h>

#include <cstdlib>

std::atomic<int>& pngThreadsOverride() {
    static std::atomic<int> threads{0};
    return threads;
}

int pngThreads() {
    if (const int forced = pngThreadsOverride().load()) return forced;
    static const int threads = [] {
        const char* text = std::getenv("VOSPREN_THREADS");
        const long n = text ? std::strtol(text, nullptr, 10) : 0;
        return n >= 1 ? int(n < 256 ? n : 256) : omp_get_num_procs();
    }();
    return threads;
}
