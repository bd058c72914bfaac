// Clipboard bitmaps, PNG files and the part-clipboard margins over a 4096 x 4096
// picture, beside memcpy and memset of its 64 MiB plane. Rates are pixels of the
// picture per second. The threaded coders run with 1 and with 2 threads (last argument).
#include <benchmark/benchmark.h>

#include <cmath>

#include <cstring>
#include <memory>
#include <vector>

#include "core/parallel.h"
#include "exchange/dib_codec.h"
#include "exchange/part_clipboard.h"
#include "exchange/png_writer.h"

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

// Flat blocks of color (what shapes alone make), the same under noise of up to a
// quarter of the range (a grainy texture), or smooth color with two bits of grain (as in
// photographs).
enum PngKind { kFlat = 0, kGrainy = 1, kSmooth = 2 };

const Picture& pngPicture(int kind) {
    static PicturePtr pictures[3];
    PicturePtr& p = pictures[kind];
    if (!p) {
        p = createPicture(kSide, kSide, 0);
        uint32_t state = 12345;
        for (int32_t y = 0; y < kSide; ++y)
            for (int32_t x = 0; x < kSide; ++x) {
                state = state * 1103515245u + 12345u;
                if (kind == kSmooth) {
                    const double wave =
                        60.0 * std::sin(x / 157.0) * std::cos(y / 123.0) + 50.0 * std::sin((x + y) / 411.0);
                    const int v = int(128 + wave) + int(state >> 30);
                    storePixel(p.get(), x, y, uint8_t(v), uint8_t(v / 2 + y / 64), uint8_t(255 - v));
                    continue;
                }
                const uint8_t r = uint8_t(x / 97 * 41), g = uint8_t(y / 83 * 67), b = uint8_t((x / 97 + y / 83) * 29);
                uint8_t n[3] = {0, 0, 0};
                if (kind == kGrainy)
                    for (uint8_t& v : n) {
                        state = state * 1103515245u + 12345u;
                        v = uint8_t((state >> 16) % 64);
                    }
                storePixel(p.get(), x, y, uint8_t(r + n[0]), uint8_t(g + n[1]), uint8_t(b + n[2]));
            }
    }
    return *p;
}

// Arguments: the kind of picture (PngKind), Small (1) or Fast (0), threads.
void BM_EncodePng(benchmark::State& state) {
    const Picture& p = pngPicture(int(state.range(0)));
    const PngCompression compression = state.range(1) ? PngCompression::Small : PngCompression::Fast;
    setParallelThreads(int(state.range(2)));
    size_t bytes = 0;
    for (auto _ : state) {
        const PngBytes file = encodePng(p, compression);
        bytes = file.size;
        benchmark::DoNotOptimize(file.bytes());
    }
    setParallelThreads(0);
    state.counters["file MB"] = double(bytes) / 1e6;
    countPixels(state);
}

void BM_EncodeDib(benchmark::State& state) {
    setParallelThreads(int(state.range(1)));
    for (auto _ : state) {
        std::vector<uint8_t> dib = encodeDib(picture(), int(state.range(0)));
        benchmark::DoNotOptimize(dib.data());
    }
    setParallelThreads(0);
    countPixels(state);
}

// What the clipboard's export does: the bitmap file coded into fresh memory that
// nothing cleared first, whose pages the coding threads touch first.
void BM_EncodeBmpFileInto(benchmark::State& state) {
    setParallelThreads(int(state.range(1)));
    const int bits = int(state.range(0));
    for (auto _ : state) {
        std::unique_ptr<uint8_t[]> out(new uint8_t[bmpFileSize(picture(), bits)]);
        encodeBmpFileInto(picture(), bits, out.get());
        benchmark::DoNotOptimize(out.get());
    }
    setParallelThreads(0);
    countPixels(state);
}

void BM_DecodeDib(benchmark::State& state) {
    const std::vector<uint8_t> dib = encodeDib(picture(), int(state.range(0)));
    setParallelThreads(int(state.range(1)));
    for (auto _ : state) {
        PicturePtr p;
        decodeDib(dib.data(), dib.size(), &p);
        benchmark::DoNotOptimize(p->pixels);
    }
    setParallelThreads(0);
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
BENCHMARK(BM_EncodeDib)->ArgsProduct({{24, 32}, {1, 2}})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EncodeBmpFileInto)->ArgsProduct({{24, 32}, {1, 2}})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DecodeDib)->ArgsProduct({{24, 32}, {1, 2}})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EncodePng)->ArgsProduct({{1, 0, 2}, {0}, {1, 2}})->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_EncodePng)
    ->ArgsProduct({{1, 0, 2}, {1}, {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);
BENCHMARK(BM_PartExport)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PartImport)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
