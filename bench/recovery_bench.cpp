#include <benchmark/benchmark.h>

#include "app/recovery_image.h"

namespace {
// Smooth (a drawing of broad areas) or grainy (every pixel its own): the two ends
// of what the encoder meets.
PicturePtr pictureOf(int size, bool grainy) {
    PicturePtr p(createPicture(size, size, 0));
    uint32_t h = 12345;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            h = h * 1103515245u + 12345u;
            const uint8_t grain = grainy ? uint8_t(h >> 24) : 0;
            storePixel(p.get(), x, y, uint8_t((x / 64) * 17 + grain), uint8_t((y / 64) * 29),
                       uint8_t(((x ^ y) / 128) * 40));
        }
    return p;
}

// What the window's thread does before handing over: one copy of the plane.
void BM_RecoveryCopy(benchmark::State& state) {
    PicturePtr p = pictureOf(int(state.range(0)), false);
    for (auto _ : state) {
        RecoveryCopy copy;
        copyForRecovery(*p, copy);
        benchmark::DoNotOptimize(copy.pixels.get());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * p->width * p->height * 4);
}

// The same into the memory of the copy before, as the keeper does from its second write on.
void BM_RecoveryCopyReused(benchmark::State& state) {
    PicturePtr p = pictureOf(int(state.range(0)), false);
    RecoveryCopy copy;
    copyForRecovery(*p, copy);
    for (auto _ : state) {
        copyForRecovery(*p, copy);
        benchmark::DoNotOptimize(copy.pixels.get());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * p->width * p->height * 4);
}

// What the writing thread does: the PNG bytes with the version marker.
void BM_RecoveryEncode(benchmark::State& state) {
    PicturePtr p = pictureOf(int(state.range(0)), state.range(1) != 0);
    RecoveryCopy copy;
    copyForRecovery(*p, copy);
    size_t bytes = 0;
    for (auto _ : state) {
        const std::string png = encodeRecoveryPng(copy);
        bytes = png.size();
        benchmark::DoNotOptimize(png.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * p->width * p->height * 4);
    state.counters["png_bytes"] = double(bytes);
}
}  // namespace

BENCHMARK(BM_RecoveryCopy)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecoveryCopyReused)->Arg(1024)->Arg(4096)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecoveryEncode)->Args({1024, 0})->Args({4096, 0})->Args({4096, 1})->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
