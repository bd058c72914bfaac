// Throughput of the runtime's block operations, each beside a plain reference loop.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "bit_stream.h"
#include "crc32.h"
#include "jpeg_coding.h"
#include "md5_digest.h"
#include "pixel_rows.h"

namespace {

std::vector<uint8_t> noise(size_t n) {
    std::mt19937 rng(1);
    std::vector<uint8_t> v(n);
    for (auto& b : v) b = uint8_t(rng());
    return v;
}

void Crc32EightBytesARound(benchmark::State& state) {
    const auto data = noise(1 << 20);
    for (auto _ : state) benchmark::DoNotOptimize(tolvanea::crc32Checksum(data.data(), data.size()));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(data.size()));
}
BENCHMARK(Crc32EightBytesARound);

// One byte a step, the textbook loop, for comparison.
void Crc32ByteAtATime(benchmark::State& state) {
    static uint32_t table[256];
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    const auto data = noise(1 << 20);
    for (auto _ : state) {
        uint32_t c = 0xFFFFFFFFu;
        for (uint8_t b : data) c = table[(c ^ b) & 0xFF] ^ (c >> 8);
        benchmark::DoNotOptimize(c);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(data.size()));
}
BENCHMARK(Crc32ByteAtATime);

void Md5(benchmark::State& state) {
    const auto data = noise(1 << 20);
    uint8_t out[16];
    for (auto _ : state) {
        tolvanea::md5Bytes(data.data(), data.size(), out);
        benchmark::DoNotOptimize(out);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(data.size()));
}
BENCHMARK(Md5);

void GreyRows1024x768(benchmark::State& state) {
    const auto source = noise(1024 * 768 * 3);
    auto block = source;
    for (auto _ : state) {
        tolvanea::greyPixelRows(block.data(), 1024, 768);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(block.size()));
}
BENCHMARK(GreyRows1024x768);

void FlipRows1024x768(benchmark::State& state) {
    auto block = noise(1024 * 768 * 3);
    for (auto _ : state) {
        tolvanea::flipPixelRows(block.data(), 1024 * 3, 768);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(block.size()));
}
BENCHMARK(FlipRows1024x768);

void BitPackerWriteAndRead(benchmark::State& state) {
    const int width = int(state.range(0));
    const auto source = noise(1 << 16);
    std::vector<uint32_t> values(source.size() / 4);
    for (size_t i = 0; i < values.size(); ++i)
        values[i] = (source[4 * i] | source[4 * i + 1] << 8 | source[4 * i + 2] << 16) & ((1u << width) - 1);
    std::vector<uint32_t> back(values.size());
    for (auto _ : state) {
        BitStream* s = tolvanea::createStream(4096, 0);
        uint32_t n = 0;
        tolvanea::writeValueBits<uint32_t>(s, values.data(), uint32_t(values.size()), &n, width, 4, false);
        tolvanea::seek(s, 0);
        tolvanea::readValueBits<uint32_t>(s, back.data(), uint32_t(back.size()), &n, width, 4, false);
        tolvanea::destroyStream(s);
        benchmark::DoNotOptimize(back.data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(values.size()) * 2);
}
BENCHMARK(BitPackerWriteAndRead)->Arg(5)->Arg(12)->Arg(24);

std::vector<uint8_t> smoothPicture(uint32_t w, uint32_t h) {
    std::vector<uint8_t> p(size_t(w) * h * 3);
    for (uint32_t y = 0; y < h; ++y)
        for (uint32_t x = 0; x < w; ++x) {
            uint8_t* q = &p[(size_t(y) * w + x) * 3];
            q[0] = uint8_t(x);
            q[1] = uint8_t(y);
            q[2] = uint8_t(x + y);
        }
    return p;
}

void JpegEncode1024x768(benchmark::State& state) {
    const auto pixels = smoothPicture(1024, 768);
    std::vector<uint8_t> out(pixels.size());
    for (auto _ : state)
        benchmark::DoNotOptimize(
            tolvanea::encodeJpegBlock(out.data(), out.size(), pixels.data(), 1024, 768, state.range(0) != 0, 85));
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(pixels.size()));
}
BENCHMARK(JpegEncode1024x768)->Arg(1)->Arg(0);

void JpegDecode1024x768(benchmark::State& state) {
    const auto pixels = smoothPicture(1024, 768);
    std::vector<uint8_t> out(pixels.size());
    auto r = tolvanea::encodeJpegBlock(out.data(), out.size(), pixels.data(), 1024, 768, true, 85);
    out.resize(r.total);
    for (auto _ : state) {
        int32_t w, h;
        uint8_t* block = tolvanea::decodeJpegBlock(out.data(), out.size(), &w, &h);
        benchmark::DoNotOptimize(block);
        std::free(block);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(pixels.size()));
}
BENCHMARK(JpegDecode1024x768);

}  // namespace

BENCHMARK_MAIN();
