// Make Seamless on a 4096 x 4096 photograph-like picture, with a memcpy of the same plane
// as the physical reference. Each run works on a fresh copy (the copy is not timed).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "bench/bench_support.h"
#include "core/interaction.h"
#include "core/parallel.h"
#include "core/picture.h"
#include "core/wide_pass.h"
#include "filters/make_seamless.h"

namespace {

constexpr int32_t kSide = 4096;
constexpr int64_t kPixels = int64_t(kSide) * kSide;

// Waves and grain, with opposite edges that differ.
PicturePtr benchPicture() {
    PicturePtr p(createPicture(kSide, kSide, 0));
    uint32_t s = 12345;
    for (int32_t y = 0; y < kSide; ++y) {
        for (int32_t x = 0; x < kSide; ++x) {
            s = s * 1664525u + 1013904223u;
            uint8_t* c = p->pixels + (int64_t(y) * kSide + x) * 4;
            const double base = 60 + 100.0 * x / kSide + 40 * std::sin(y / 97.0) + double(s >> 28);
            c[0] = uint8_t(base);
            c[1] = uint8_t(base * 0.7 + 30.0 * y / kSide);
            c[2] = uint8_t(255 - base);
        }
    }
    return p;
}

void finish(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * kPixels);
    state.SetBytesProcessed(state.iterations() * kPixels * 4);
}

void BM_Memcpy(benchmark::State& state) {
    PicturePtr p = benchPicture();
    std::vector<uint8_t> copy(size_t(kPixels) * 4);
    for (auto _ : state) {
        std::memcpy(copy.data(), p->pixels, copy.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    finish(state);
}

// Arguments: method (0 periodic, 1 blend), axes (0 both, 1 x, 2 y), 1 for the AVX2 passes,
// and the threads (0: VOSPREN_THREADS or every core), so that one run interleaved at
// random compares one thread with two.
void BM_MakeSeamless(benchmark::State& state) {
    setParallelThreads(int(state.range(3)));
    const PicturePtr source = benchPicture();
    PicturePtr p = copyPicture(source.get());
    const SeamlessOptions options{SeamlessMethod(state.range(0)), SeamlessAxes(state.range(1))};
    wideVectorsAllowed() = state.range(2) != 0;
    QuietInteraction ui;
    for (auto _ : state) {
        state.PauseTiming();
        std::memcpy(p->pixels, source->pixels, size_t(kPixels) * 4);
        state.ResumeTiming();
        makeSeamless(p.get(), options, ui);
        benchmark::ClobberMemory();
    }
    wideVectorsAllowed() = true;
    setParallelThreads(0);
    finish(state);
}

}  // namespace

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeSeamless)
    ->Args({0, 0, 1, 0})
    ->Args({0, 1, 1, 0})
    ->Args({0, 2, 1, 0})
    ->Args({1, 0, 1, 0})
    ->Args({1, 0, 0, 0})
    ->Args({0, 0, 1, 1})
    ->Args({0, 0, 1, 2})
    ->Args({1, 0, 1, 1})
    ->Args({1, 0, 1, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_MAIN();
