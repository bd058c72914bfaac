// Independent jobs side by side: each thread of a run works on memory of its own, with
// no lock, no shared line and nothing to wait for. Whatever keeps two such threads from
// twice the work of one (cores that share their units, a shared cache, the memory) also
// keeps every threaded operation of the program from it. Read the items per second of
// threads:2 against threads:1 of the same case.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace {

// Floating-point multiply-adds over an array the first-level cache holds (32 KiB), in
// the baseline build and in the wide one the program's filter passes use.
void multiplyAdd(double* a, const double* b, size_t n) {
    for (size_t i = 0; i < n; ++i) a[i] = a[i] * 0.999 + b[i];
}

__attribute__((target("avx2,fma"))) void multiplyAddWide(double* a, const double* b, size_t n) {
    for (size_t i = 0; i < n; ++i) a[i] = a[i] * 0.999 + b[i];
}

void BM_MultiplyAddInCache(benchmark::State& state) {
    std::vector<double> a(4096, 1.0), b(4096, 0.5);
    const bool wide = state.range(0) != 0 && __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    for (auto _ : state) {
        wide ? multiplyAddWide(a.data(), b.data(), a.size()) : multiplyAdd(a.data(), b.data(), a.size());
        benchmark::DoNotOptimize(a.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * int64_t(a.size()));
    state.SetLabel(wide ? "wide" : "baseline");
}

// The same over 4 MiB of floats a thread, beyond the second-level cache.
void BM_MultiplyAddBeyondL2(benchmark::State& state) {
    std::vector<float> a(size_t(1) << 20, 1.0f);
    for (auto _ : state) {
        for (float& v : a) v = v * 0.999f + 0.5f;
        benchmark::DoNotOptimize(a.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * int64_t(a.size()));
}

// memcpy of 64 MiB a thread: the memory alone.
void BM_CopyFromMemory(benchmark::State& state) {
    const size_t bytes = size_t(64) << 20;
    std::vector<uint8_t> from(bytes, 1), to(bytes, 2);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * int64_t(bytes));
}

}  // namespace

BENCHMARK(BM_MultiplyAddInCache)->Arg(0)->Arg(1)->Threads(1)->Threads(2)->UseRealTime();
BENCHMARK(BM_MultiplyAddBeyondL2)->Threads(1)->Threads(2)->UseRealTime();
BENCHMARK(BM_CopyFromMemory)->Threads(1)->Threads(2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
