#include <benchmark/benchmark.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstring>
#include <vector>

#include "bmp_decoder.h"
#include "bmp_encoder.h"
#include "exchange/picture_file.h"
#include "jpeg_codec.h"
#include "png_codec.h"

namespace {

constexpr int32_t kSide = 1024;

const std::vector<uint8_t>& photoLike() {
    static const std::vector<uint8_t> rgb = [] {
        std::vector<uint8_t> out(size_t(kSide) * kSide * 3);
        uint32_t state = 12345;
        for (size_t i = 0; i < out.size(); ++i) {
            state = state * 214013 + 2531011;
            const size_t pixel = i / 3;
            out[i] = uint8_t((pixel % kSide) / 4 + (pixel / kSide) / 8 + ((state >> 16) & 7));
        }
        return out;
    }();
    return rgb;
}

void put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
}

// A 32-bit bit-field bitmap (56-byte header with alpha mask): the general mask path.
std::vector<uint8_t> bitfieldBmp() {
    const size_t offset = 14 + 56;
    std::vector<uint8_t> b(offset + size_t(kSide) * kSide * 4, 0);
    b[0] = 'B';
    b[1] = 'M';
    put32(b, 10, uint32_t(offset));
    put32(b, 14, 56);
    put32(b, 18, kSide);
    put32(b, 22, kSide);
    b[26] = 1;
    b[28] = 32;
    put32(b, 30, 3);
    put32(b, 54, 0x00FF0000);
    put32(b, 58, 0x0000FF00);
    put32(b, 62, 0x000000FF);
    put32(b, 66, 0xFF000000);
    const auto& rgb = photoLike();
    for (size_t i = 0; i < size_t(kSide) * kSide; ++i)
        put32(b, offset + i * 4, 0xFF000000u | rgb[i * 3] << 16 | rgb[i * 3 + 1] << 8 | rgb[i * 3 + 2]);
    return b;
}

template <typename Decode>
void runDecode(benchmark::State& state, const std::vector<uint8_t>& file, Decode decode) {
    const int channels = int(state.range(0));
    for (auto _ : state) {
        DecodedImage image;
        if (!decode(file.data(), file.size(), channels, &image)) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(image.pixels);
        releaseDecoded(image);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide * channels);
}

void BM_Memcpy(benchmark::State& state) {
    const auto& rgb = photoLike();
    std::vector<uint8_t> copy(rgb.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), rgb.data(), rgb.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(rgb.size()));
}
BENCHMARK(BM_Memcpy);

void BM_DecodeBmp24(benchmark::State& state) {
    std::vector<uint8_t> file;
    encodeBmp(photoLike().data(), kSide, kSide, &file);
    runDecode(state, file, decodeBmp);
}
BENCHMARK(BM_DecodeBmp24)->Arg(3)->Arg(4);

// A 4096² 24-bit bitmap read from an open file a band of rows at a time, as the library
// reads one from disc (the file in memory, so no disc is timed). The threads follow
// VOSPREN_THREADS; run it with 1 and 2 to compare.
void BM_DecodeBmpFile24(benchmark::State& state) {
    constexpr int32_t side = 4096;
    std::vector<uint8_t> rgb(size_t(side) * side * 3);
    for (size_t i = 0; i < rgb.size(); ++i) rgb[i] = uint8_t(i * 7 + (i >> 12));
    std::vector<uint8_t> file;
    encodeBmp(rgb.data(), side, side, &file);
    const int fd = memfd_create("bench.bmp", MFD_CLOEXEC);
    if (fd < 0 || write(fd, file.data(), file.size()) != ssize_t(file.size())) {
        state.SkipWithError("no file in memory");
        return;
    }
    for (auto _ : state) {
        DecodedImage image;
        if (decodeBmpFile(fd, file.size(), file.data(), kBmpHeadBytes, 3, &image) != BmpFileResult::decoded)
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(image.pixels);
        releaseDecoded(image);
    }
    close(fd);
    state.SetBytesProcessed(int64_t(state.iterations()) * side * side * 3);
}
BENCHMARK(BM_DecodeBmpFile24)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DecodeBmp32Bitfields(benchmark::State& state) { runDecode(state, bitfieldBmp(), decodeBmp); }
BENCHMARK(BM_DecodeBmp32Bitfields)->Arg(4);

void BM_DecodePng(benchmark::State& state) {
    std::vector<uint8_t> file;
    encodePng(photoLike().data(), kSide, kSide, &file);
    runDecode(state, file, decodePng);
}
BENCHMARK(BM_DecodePng)->Arg(3)->Arg(4);

void BM_DecodeJpeg(benchmark::State& state) {
    std::vector<uint8_t> file;
    encodeJpeg(photoLike().data(), kSide, kSide, 90, &file);
    runDecode(state, file, decodeJpeg);
}
BENCHMARK(BM_DecodeJpeg)->Arg(3);

void BM_EncodeBmp(benchmark::State& state) {
    std::vector<uint8_t> file;
    for (auto _ : state) benchmark::DoNotOptimize(encodeBmp(photoLike().data(), kSide, kSide, &file));
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide * 3);
}
BENCHMARK(BM_EncodeBmp);

void BM_EncodePng(benchmark::State& state) {
    std::vector<uint8_t> file;
    for (auto _ : state) benchmark::DoNotOptimize(encodePng(photoLike().data(), kSide, kSide, &file));
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide * 3);
}
BENCHMARK(BM_EncodePng);

void BM_EncodeJpeg(benchmark::State& state) {
    std::vector<uint8_t> file;
    for (auto _ : state) benchmark::DoNotOptimize(encodeJpeg(photoLike().data(), kSide, kSide, 90, &file));
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide * 3);
}
BENCHMARK(BM_EncodeJpeg);

// The program's side: a library that hands back a ready buffer / swallows the save,
// so only the copy between the 3-byte buffer and the picture plane is measured.
uint8_t* gBuffer = nullptr;
uint8_t readyLoad(const char*, uint8_t** buffer, int32_t* w, int32_t* h, uint8_t* alpha, int32_t) {
    *buffer = gBuffer;
    *w = *h = kSide;
    *alpha = 0;
    return 1;
}
void keepBuffer(void*) {}
uint8_t swallowSave(const char*, const uint8_t* rgb, int32_t, int32_t, int32_t) {
    benchmark::DoNotOptimize(rgb);
    return 1;
}

void BM_LoadPictureFileCopy(benchmark::State& state) {
    std::vector<uint8_t> rgb = photoLike();
    gBuffer = rgb.data();
    ImageLibrary lib;
    lib.loadToDisk = readyLoad;
    lib.free = keepBuffer;
    for (auto _ : state) {
        PicturePtr p(loadPictureFile(lib, "bench"));
        benchmark::DoNotOptimize(p.get());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide * 3);
}
BENCHMARK(BM_LoadPictureFileCopy);

// What loadPictureFile pays for the picture itself, apart from the copy.
void BM_CreatePicture(benchmark::State& state) {
    for (auto _ : state) {
        PicturePtr p(createPicture(kSide, kSide, 0));
        benchmark::DoNotOptimize(p.get());
    }
}
BENCHMARK(BM_CreatePicture);

void BM_SavePictureFileCopy(benchmark::State& state) {
    PicturePtr picture(createPicture(kSide, kSide, 0));
    ImageLibrary lib;
    lib.saveToDisk = swallowSave;
    for (auto _ : state) benchmark::DoNotOptimize(savePictureFile(lib, *picture, "bench.png"));
    state.SetBytesProcessed(int64_t(state.iterations()) * kSide * kSide * 3);
}
BENCHMARK(BM_SavePictureFileCopy);

}  // namespace

BENCHMARK_MAIN();
