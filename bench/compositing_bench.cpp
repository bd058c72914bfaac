// The two rotations of a 256 x 256 block at 37 degrees (items: destination cells), beside
// a memcpy of the same number of bytes; tag stamping (1000 stamps of a 64 x 64 tag on
// a 2048 x 2048 picture) and circle mix (500 discs of radius 32..64) with and without
// their rotations, beside a memcpy of that picture's plane.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "bench/bench_support.h"
#include "compositing/circle_mix.h"
#include "compositing/rotate_anti_aliased.h"
#include "compositing/rotate_fast.h"
#include "compositing/tag_stamping.h"
#include "core/interaction.h"
#include "core/picture.h"
#include "exchange/image_library.h"
#include "tests/compositing/rotation_oracle.h"

namespace {

std::vector<uint8_t> sampleBlock(int32_t w, int32_t h) { return sampleBytes(size_t(w) * size_t(h) * 4, 12345); }

void BM_MemcpyRotatedBlock(benchmark::State& state) {
    const TagImage rotated = rotateFast(sampleBlock(256, 256).data(), 256, 256, 37);
    std::vector<uint8_t> copy(rotated.pixels.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), rotated.pixels.data(), copy.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * int64_t(rotated.width) * rotated.height);
}
BENCHMARK(BM_MemcpyRotatedBlock);

void BM_RotateFast(benchmark::State& state) {
    const auto src = sampleBlock(256, 256);
    int64_t cells = 0;
    for (auto _ : state) {
        const TagImage b = rotateFast(src.data(), 256, 256, 37);
        cells += int64_t(b.width) * b.height;
        benchmark::DoNotOptimize(b.pixels.data());
    }
    state.SetItemsProcessed(cells);
}
BENCHMARK(BM_RotateFast);

void BM_RotateAntiAliased(benchmark::State& state) {
    const auto src = sampleBlock(256, 256);
    int64_t cells = 0;
    for (auto _ : state) {
        const TagImage b = rotateAntiAliased(src.data(), 256, 256, 37);
        cells += int64_t(b.width) * b.height;
        benchmark::DoNotOptimize(b.pixels.data());
    }
    state.SetItemsProcessed(cells);
}
BENCHMARK(BM_RotateAntiAliased);

// The straightforward versions the tests compare with, for scale.
void BM_RotateFastDefinition(benchmark::State& state) {
    const auto src = sampleBlock(256, 256);
    int64_t cells = 0;
    for (auto _ : state) {
        const oracle::Block b = oracle::rotateFast(src.data(), 256, 256, 37);
        cells += b.w * b.h;
        benchmark::DoNotOptimize(b.cells.data());
    }
    state.SetItemsProcessed(cells);
}
BENCHMARK(BM_RotateFastDefinition);

void BM_RotateAntiAliasedDefinition(benchmark::State& state) {
    const auto src = sampleBlock(256, 256);
    int64_t cells = 0;
    for (auto _ : state) {
        const oracle::Block b = oracle::rotateAntiAliased(src.data(), 256, 256, 37);
        cells += b.w * b.h;
        benchmark::DoNotOptimize(b.cells.data());
    }
    state.SetItemsProcessed(cells);
}
BENCHMARK(BM_RotateAntiAliasedDefinition);

// Pictures "read" from memory: every path gives the same block of random opaque colors.
int32_t g_side = 64;
uint8_t loadBlock(const char*, uint8_t** buffer, int32_t* w, int32_t* h, uint8_t* alpha, int32_t) {
    const std::vector<uint8_t> cells = sampleBlock(g_side, g_side);
    *buffer = static_cast<uint8_t*>(std::malloc(cells.size()));
    std::memcpy(*buffer, cells.data(), cells.size());
    for (size_t i = 3; i < cells.size(); i += 4) (*buffer)[i] = 255;
    *w = *h = g_side;
    *alpha = 0;
    return 1;
}
void releaseBlock(void* b) { std::free(b); }

ImageLibrary memoryLibrary() {
    ImageLibrary lib;
    lib.loadToDisk = loadBlock;
    lib.free = releaseBlock;
    return lib;
}

constexpr int32_t kPictureSide = 2048;

void BM_MemcpyPicture(benchmark::State& state) {
    PicturePtr p = createPicture(kPictureSide, kPictureSide, 0);
    std::vector<uint8_t> copy(size_t(kPictureSide) * kPictureSide * 4);
    for (auto _ : state) {
        std::memcpy(copy.data(), p->pixels, copy.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kPictureSide) * kPictureSide);
}
BENCHMARK(BM_MemcpyPicture);

// Arguments: rotation (0, 1), anti-aliased rotation (0, 1). Items: tag cells stamped
// (before the rotation), so that the three cases compare per stamp.
void BM_StampTags(benchmark::State& state) {
    g_side = 64;
    resetPaintSettings();
    PicturePtr p = createPicture(kPictureSide, kPictureSide, 0);
    TagParams params;
    params.tagFiles = {"tag"};
    params.tagCount = 1000;
    params.tagRotation = uint8_t(state.range(0));
    const ImageLibrary lib = memoryLibrary();
    QuietInteraction ui(20190218);
    for (auto _ : state) stampTags(p.get(), params, 0x00FFFFFF, state.range(1) != 0, lib, ui);
    state.SetItemsProcessed(state.iterations() * 1000 * 64 * 64);
    state.counters["stamps/s"] = benchmark::Counter(double(state.iterations()) * 1000, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_StampTags)->Args({0, 0})->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMillisecond);

// Arguments: rotation (0, 1), anti-aliased rotation (0, 1). Sources of 512 x 512; items
// are disc cells (the mean area of a disc of radius 32..63 times the discs).
void BM_CircleMix(benchmark::State& state) {
    g_side = 512;
    resetPaintSettings();
    PicturePtr p = createPicture(kPictureSide, kPictureSide, 0);
    CircleMixParams params;
    params.mixFiles = {"source"};
    params.radiusMin = 32;
    params.radiusMax = 64;
    params.discCount = 500;
    params.opaqueMinPercent = params.opaqueMaxPercent = 50;
    params.discRotation = uint8_t(state.range(0));
    const ImageLibrary lib = memoryLibrary();
    QuietInteraction ui(20190218);
    for (auto _ : state) mixCircles(p.get(), params, state.range(1) != 0, lib, ui);
    double area = 0;
    for (int r = 32; r < 64; ++r) area += 3.14159265358979 * r * r / 32;
    state.SetItemsProcessed(int64_t(double(state.iterations()) * 500 * area));
    state.counters["discs/s"] = benchmark::Counter(double(state.iterations()) * 500, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CircleMix)->Args({0, 0})->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
