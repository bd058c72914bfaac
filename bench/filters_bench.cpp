// The filters on a 4096 x 4096 picture, with a memcpy of the same plane as the physical
// reference: compare the items (pixels) per second.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench/bench_support.h"
#include "core/interaction.h"
#include "core/parallel.h"
#include "core/picture.h"
#include "core/wide_pass.h"
#include "filters/noise_filter.h"
#include "filters/render_connectable.h"
#include "filters/seam_measure.h"
#include "filters/sharpen_filter.h"

namespace {

constexpr int32_t kSide = 4096;
constexpr int64_t kPixels = int64_t(kSide) * kSide;

PicturePtr benchPicture() {
    PicturePtr p(createPicture(kSide, kSide, 0));
    uint32_t s = 12345;
    for (int64_t i = 0; i < kPixels; ++i) {
        s = s * 1664525u + 1013904223u;
        uint8_t* c = p->pixels + i * 4;
        c[0] = uint8_t(s >> 8);
        c[1] = uint8_t(s >> 16);
        c[2] = uint8_t(s >> 24);
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

// The last argument of each filter benchmark: 1 lets the AVX2 build of the pass run (on
// a processor that has it), 0 keeps the baseline one.
void chooseWidth(benchmark::State& state, int index) { wideVectorsAllowed() = state.range(index) != 0; }

// The argument at `index`: the threads the filter's loops may use.
void chooseThreads(benchmark::State& state, int index) { setParallelThreads(int(state.range(index))); }

void BM_Noise(benchmark::State& state) {
    chooseThreads(state, 2);
    chooseWidth(state, 1);
    PicturePtr p = benchPicture();
    QuietInteraction clock;
    const bool mono = state.range(0) != 0;
    for (auto _ : state) noiseFilter(p.get(), mono, 25, 20190218, clock);
    finish(state);
}

void BM_Sharpen(benchmark::State& state) {
    chooseThreads(state, 3);
    resetPaintSettings();
    chooseWidth(state, 2);
    paintSettings().blendLevel = uint8_t(state.range(1));
    PicturePtr p = benchPicture();
    const bool connectable = state.range(0) != 0;
    for (auto _ : state) sharpenFilter(p.get(), 50, connectable);
    finish(state);
    resetPaintSettings();
}

void BM_RenderConnectable(benchmark::State& state) {
    chooseThreads(state, 2);
    resetPaintSettings();
    chooseWidth(state, 1);
    paintSettings().blendLevel = uint8_t(state.range(0));
    PicturePtr p = benchPicture();
    for (auto _ : state) renderConnectable(p.get());
    finish(state);
    resetPaintSettings();
}

void BM_SeamMeasure(benchmark::State& state) {
    chooseThreads(state, 1);
    chooseWidth(state, 0);
    PicturePtr p = benchPicture();
    for (auto _ : state) benchmark::DoNotOptimize(seamMeasure(*p));
    finish(state);
}

}  // namespace

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(BM_Noise)
    ->ArgNames({"mono", "wide", "threads"})
    ->Args({0, 1, 1})
    ->Args({0, 1, 2})
    ->Args({1, 1, 1})
    ->Args({1, 1, 2})
    ->Args({0, 0, 1})
    ->Args({1, 0, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK(BM_Sharpen)
    ->ArgNames({"connectable", "level", "wide", "threads"})
    ->Args({0, 255, 1, 1})
    ->Args({0, 255, 1, 2})
    ->Args({1, 255, 1, 1})
    ->Args({1, 255, 1, 2})
    ->Args({1, 127, 1, 1})
    ->Args({1, 127, 1, 2})
    ->Args({0, 255, 0, 1})
    ->Args({1, 255, 0, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK(BM_RenderConnectable)
    ->ArgNames({"level", "wide", "threads"})
    ->Args({255, 1, 1})
    ->Args({255, 1, 2})
    ->Args({127, 1, 1})
    ->Args({127, 1, 2})
    ->Args({255, 0, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK(BM_SeamMeasure)
    ->ArgNames({"wide", "threads"})
    ->Args({1, 1})
    ->Args({1, 2})
    ->Args({0, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

BENCHMARK_MAIN();
