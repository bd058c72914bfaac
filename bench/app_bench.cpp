#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "app/display_image.h"
#include "core/parallel.h"

namespace {
PicturePtr patterned(int w, int h) {
    PicturePtr p(createPicture(w, h, 0));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) storePixel(p.get(), x, y, uint8_t(x), uint8_t(y), uint8_t(x ^ y));
    return p;
}

// The display image as defined: one getPixel per screen cell, wrapped first.
void perPixel(const Picture& p, int zoom, bool connectable, uint8_t* out) {
    const int W = displayWidth(p.width);
    std::memset(out, 255, size_t(W) * p.height * 4);
    uint8_t r = 0, g = 0, b = 0;
    for (int row = 0; row < p.height / zoom; ++row)
        for (int c = 0; c < W / zoom; ++c) {
            int x = c * zoom, y = row * zoom;
            if (connectable) mapConnectable(p.width, p.height, x, y, &x, &y);
            getPixel(&p, x, y, &r, &g, &b);
            uint8_t* cell = out + (size_t(row) * W + c) * 4;
            cell[0] = b;
            cell[1] = g;
            cell[2] = r;
        }
}

// The third argument: the threads the build may use.
void BM_DisplayImage(benchmark::State& state) {
    setParallelThreads(int(state.range(2)));
    const int size = int(state.range(0)), zoom = int(state.range(1));
    PicturePtr p = patterned(size + 3, size);
    std::vector<uint8_t> out(size_t(displayWidth(p->width)) * p->height * 4);
    for (auto _ : state) {
        buildDisplayImage(*p, zoom, true, out.data(), size_t(displayWidth(p->width)) * 4);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(out.size()));
}

void BM_DisplayImagePerPixel(benchmark::State& state) {
    const int size = int(state.range(0)), zoom = int(state.range(1));
    PicturePtr p = patterned(size + 3, size);
    std::vector<uint8_t> out(size_t(displayWidth(p->width)) * p->height * 4);
    for (auto _ : state) {
        perPixel(*p, zoom, true, out.data());
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(out.size()));
}

void BM_PlaneMemcpy(benchmark::State& state) {
    const int size = int(state.range(0));
    PicturePtr p = patterned(size + 3, size);
    std::vector<uint8_t> out(size_t(displayWidth(p->width)) * p->height * 4);
    for (auto _ : state) {
        std::memcpy(out.data(), p->pixels, size_t(p->width) * p->height * 4);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(out.size()));
}
}  // namespace

BENCHMARK(BM_DisplayImage)
    ->ArgNames({"size", "zoom", "threads"})
    ->Args({2048, 1, 1})
    ->Args({2048, 4, 1})
    ->Args({4096, 1, 1})
    ->Args({4096, 1, 2})
    ->Args({4096, 4, 1})
    ->Args({4096, 4, 2})
    ->UseRealTime();
BENCHMARK(BM_DisplayImagePerPixel)->Args({2048, 1})->Args({2048, 4})->UseRealTime();
BENCHMARK(BM_PlaneMemcpy)->Args({2048, 1})->Args({4096, 1})->UseRealTime();
BENCHMARK_MAIN();
