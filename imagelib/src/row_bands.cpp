#include "row_bands.h"

#include <omp.h>

#include <algorithm>
#include <cstdlib>

namespace {

int allowedThreads() {
    static const int threads = [] {
        // Idle threads sleep instead of spinning: loads are far apart. A value the
        // user set stays.
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

int64_t rowBandCount(int64_t count, int64_t grain) {
    if (count <= 0) return 0;
    return std::clamp<int64_t>(count / std::max<int64_t>(grain, 1), 1, allowedThreads());
}

void runRowBands(int64_t count, int64_t bands, RowBandFn fn, void* context) {
    if (count <= 0 || bands <= 0) return;
    if (bands == 1 || allowedThreads() == 1 || omp_in_parallel()) {
        for (int64_t b = 0; b < bands; ++b)
            fn(context, b, rowBandStart(count, bands, b), rowBandStart(count, bands, b + 1));
        return;
    }
    const int threads = int(std::min<int64_t>(bands, allowedThreads()));
#pragma omp parallel for num_threads(threads) schedule(static, 1)
    for (int64_t b = 0; b < bands; ++b)
        fn(context, b, rowBandStart(count, bands, b), rowBandStart(count, bands, b + 1));
}
