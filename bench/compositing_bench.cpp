// The two turns of a 256 x 256 block at 37 degrees (items: destination cells), beside
// a memcpy of the same number of bytes.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "compositing/rotate_anti_aliased.h"
#include "compositing/rotate_fast.h"

namespace {

std::vector<uint8_t> sampleBlock(int32_t w, int32_t h) {
    std::vector<uint8_t> cells(size_t(w) * size_t(h) * 4);
    uint32_t s = 12345;
    for (uint8_t& b : cells) {
        s = s * 1664525u + 1013904223u;
        b = uint8_t(s >> 24);
    }
    return cells;
}

void BM_MemcpyTurnedBlock(benchmark::State& state) {
    const CellBlock turned = rotateFast(sampleBlock(256, 256).data(), 256, 256, 37);
    std::vector<uint8_t> copy(turned.pixels.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), turned.pixels.data(), copy.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * int64_t(turned.width) * turned.height);
}
BENCHMARK(BM_MemcpyTurnedBlock);

void BM_RotateFast(benchmark::State& state) {
    const auto src = sampleBlock(256, 256);
    int64_t cells = 0;
    for (auto _ : state) {
        const CellBlock b = rotateFast(src.data(), 256, 256, 37);
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
        const CellBlock b = rotateAntiAliased(src.data(), 256, 256, 37);
        cells += int64_t(b.width) * b.height;
        benchmark::DoNotOptimize(b.pixels.data());
    }
    state.SetItemsProcessed(cells);
}
BENCHMARK(BM_RotateAntiAliased);

}  // namespace

BENCHMARK_MAIN();
