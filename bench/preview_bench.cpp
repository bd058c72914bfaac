// The preview's work per event, each beside a memcpy of the bytes it writes:
// - rebuildDisplay (every tick that draws an overlay) for a 2048 x 2048 picture at
//   zoom 1 and 4;
// - the nine overlays of a 256 x 256 tag;
// - a whole tick (rebuild and overlays) and a whole click (insertion, seam update
//   and refresh) for a 4096 x 4096 picture at zoom 4;
// - building the images (opening, zoom, frame) and the seam measure of the opening.
// Bytes processed are the bytes written into the display image.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "bench/bench_support.h"
#include "compositing/preview_display.h"
#include "compositing/tag_insertion.h"
#include "compositing/tag_overlay.h"
#include "core/parallel.h"
#include "filters/seam_tally.h"

namespace {

PicturePtr samplePicture(int32_t size) {
    PicturePtr p = createPicture(size, size, 0);
    uint32_t s = 99;
    for (size_t i = 0; i < size_t(size) * size_t(size) * 4; i += 4) {
        s = s * 1664525u + 1013904223u;
        p->pixels[i] = uint8_t(s >> 24);
        p->pixels[i + 1] = uint8_t(s >> 16);
        p->pixels[i + 2] = uint8_t(s >> 8);
    }
    return p;
}

std::vector<uint8_t> sampleTag(int32_t size) { return sampleBytes(size_t(size) * size_t(size) * 4, 7); }

PreviewDisplay sampleDisplay(int32_t size, int32_t zoom) {
    PicturePtr p = samplePicture(size);
    PreviewDisplay d;
    buildPreviewDisplay(*p, zoom, true, d);
    return d;
}

void BM_Memcpy(benchmark::State& state) {
    const PreviewDisplay d = sampleDisplay(int32_t(state.range(0)), int32_t(state.range(1)));
    std::vector<uint8_t> copy(d.pixels.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), d.pixels.data(), copy.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(copy.size()));
}
BENCHMARK(BM_Memcpy)
    ->Args({2048, 1})
    ->Args({2048, 4})
    ->Args({4096, 2})
    ->Args({4096, 4})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_RebuildDisplay(benchmark::State& state) {
    PreviewDisplay d = sampleDisplay(int32_t(state.range(0)), int32_t(state.range(1)));
    for (auto _ : state) {
        rebuildDisplay(d);
        benchmark::DoNotOptimize(d.pixels.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(d.pixels.size()));
}
BENCHMARK(BM_RebuildDisplay)->Args({2048, 1})->Args({2048, 4})->Args({4096, 4})->Unit(benchmark::kMillisecond);

void BM_NineOverlays256(benchmark::State& state) {
    const int32_t zoom = int32_t(state.range(0));
    PreviewDisplay d = sampleDisplay(2048, zoom);
    const std::vector<uint8_t> tag = sampleTag(256);
    for (auto _ : state) {
        drawTagOverlays(d, tag.data(), 256, 256, 1000, 700, 200);
        benchmark::DoNotOptimize(d.pixels.data());
    }
    const int64_t side = 256 / zoom;
    state.SetBytesProcessed(int64_t(state.iterations()) * 9 * side * side * 3);
}
BENCHMARK(BM_NineOverlays256)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

// One tick that draws: the overlay of the last tick wiped, nine new ones drawn.
void BM_Tick4096Zoom4(benchmark::State& state) {
    PreviewDisplay d = sampleDisplay(4096, 4);
    const std::vector<uint8_t> tag = sampleTag(256);
    int32_t x = 0;
    for (auto _ : state) {
        rebuildDisplay(d);
        drawTagOverlays(d, tag.data(), 256, 256, x, 1500, 200);
        x = (x + 37) % 4096;
        benchmark::DoNotOptimize(d.pixels.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(d.pixels.size()));
}
BENCHMARK(BM_Tick4096Zoom4)->Unit(benchmark::kMillisecond);

// One click: the stamp, the seam sums brought up to date, the images built again.
void BM_Click4096Zoom4(benchmark::State& state) {
    PicturePtr p = samplePicture(4096);
    const std::vector<uint8_t> tag = sampleTag(256);
    SeamTally tally = seamTally(*p);
    PreviewDisplay d;
    int32_t x = 0;
    for (auto _ : state) {
        const TagFootprint f = tagFootprint(*p, 256, 256, x, 4000);
        const SeamRegion region = seamRegion(*p, f.x, f.y, f.width, f.height, true);
        const SeamInsideSums before = seamInsideSums(*p, region);
        insertTagAt(*p, tag.data(), 256, 256, x, 4000, 200);
        updateSeamTally(tally, *p, region, before);
        benchmark::DoNotOptimize(seamMeasureOf(tally));
        buildPreviewDisplay(*p, 4, true, d);
        x = (x + 301) % 4096;
        benchmark::DoNotOptimize(d.pixels.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(d.pixels.size()));
}
BENCHMARK(BM_Click4096Zoom4)->Unit(benchmark::kMillisecond);

// The third argument: the threads the build may use.
void BM_BuildPreviewDisplay(benchmark::State& state) {
    setParallelThreads(int(state.range(2)));
    PicturePtr p = samplePicture(int32_t(state.range(0)));
    PreviewDisplay d;
    for (auto _ : state) {
        buildPreviewDisplay(*p, int32_t(state.range(1)), true, d);
        benchmark::DoNotOptimize(d.pixels.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(d.pixels.size()));
}
BENCHMARK(BM_BuildPreviewDisplay)
    ->ArgNames({"size", "zoom", "threads"})
    ->Args({2048, 1, 1})
    ->Args({2048, 4, 1})
    ->Args({4096, 2, 1})
    ->Args({4096, 2, 2})
    ->Args({4096, 4, 1})
    ->Args({4096, 4, 2})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The seam measure of the opening, over the whole picture.
void BM_SeamTally4096(benchmark::State& state) {
    PicturePtr p = samplePicture(4096);
    for (auto _ : state) benchmark::DoNotOptimize(seamTally(*p));
    state.SetBytesProcessed(int64_t(state.iterations()) * 4096 * 4096 * 4);
}
BENCHMARK(BM_SeamTally4096)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
