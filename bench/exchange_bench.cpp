// Clipboard bitmaps and the part-clipboard margins over a 4096 x 4096 picture, beside
// memcpy and memset of its 64 MiB plane. Rates are pixels of the picture per second.
#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "exchange/dib_codec.h"
#include "exchange/part_clipboard.h"

namespace {

constexpr int32_t kSide = 4096;

const Picture& picture() {
    static PicturePtr p = [] {
        PicturePtr q = createPicture(kSide, kSide, 0);
        for (int32_t y = 0; y < kSide; ++y)
            for (int32_t x = 0; x < kSide; ++x) storePixel(q.get(), x, y, uint8_t(x), uint8_t(y), uint8_t(x ^ y));
        return q;
    }();
    return *p;
}

void countPixels(benchmark::State& state) {
    state.counters["pixels/s"] =
        benchmark::Counter(double(state.iterations()) * kSide * kSide, benchmark::Counter::kIsRate);
}

void BM_Memcpy(benchmark::State& state) {
    std::vector<uint8_t> out(size_t(kSide) * kSide * 4);
    for (auto _ : state) {
        std::memcpy(out.data(), picture().pixels, out.size());
        benchmark::DoNotOptimize(out.data());
    }
    countPixels(state);
}

void BM_Memset(benchmark::State& state) {
    std::vector<uint8_t> out(size_t(kSide) * kSide * 4);
    for (auto _ : state) {
        std::memset(out.data(), int(state.iterations() & 0xFF), out.size());
        benchmark::DoNotOptimize(out.data());
    }
    countPixels(state);
}

// A fresh plane filled by memcpy: what any operation that returns a new picture
// pays at least, page faults of the new memory included.
void BM_NewPlaneMemcpy(benchmark::State& state) {
    for (auto _ : state) {
        std::unique_ptr<uint8_t[]> out(new uint8_t[size_t(kSide) * kSide * 4]);
        std::memcpy(out.get(), picture().pixels, size_t(kSide) * kSide * 4);
        benchmark::DoNotOptimize(out.get());
    }
    countPixels(state);
}

void BM_EncodeDib(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<uint8_t> dib = encodeDib(picture(), int(state.range(0)));
        benchmark::DoNotOptimize(dib.data());
    }
    countPixels(state);
}

void BM_DecodeDib(benchmark::State& state) {
    const std::vector<uint8_t> dib = encodeDib(picture(), int(state.range(0)));
    for (auto _ : state) {
        PicturePtr p;
        decodeDib(dib.data(), dib.size(), &p);
        benchmark::DoNotOptimize(p->pixels);
    }
    countPixels(state);
}

void BM_PartExport(benchmark::State& state) {
    for (auto _ : state) {
        PicturePtr p = partExportPicture(picture(), state.range(0) != 0);
        benchmark::DoNotOptimize(p->pixels);
    }
    countPixels(state);
}

void BM_PartImport(benchmark::State& state) {
    // An enlarged picture whose centre is 4096 x 4096.
    static PicturePtr enlarged = partExportPicture(picture(), true);
    for (auto _ : state) {
        PicturePtr p = partImportCentre(*enlarged);
        benchmark::DoNotOptimize(p->pixels);
    }
    countPixels(state);
}

}  // namespace

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memset)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NewPlaneMemcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeDib)->Arg(24)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeDib)->Arg(24)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PartExport)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PartImport)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
