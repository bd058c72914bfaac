// Pixels per second of the primitives and the generators on a 4096 x 4096
// picture, beside memset of the same plane (the memory's own pace). The generators
// run on a 1024 x 1024 picture too (second argument), which the caches hold.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "core/fill_disc.h"
#include "core/fill_rect.h"
#include "core/paint_settings.h"
#include "core/picture.h"
#include "core/polygon.h"
#include "core/span_painter.h"
#include "generators/circle_generator.h"
#include "generators/polygon_generator.h"
#include "generators/rectangle_generator.h"
#include "generators/vector_generator.h"

namespace {

constexpr int32_t kSize = 4096;

class BenchInteraction : public Interaction {
public:
    int64_t clock = 1;
    bool escapePressed() override { return false; }
    bool askYesNo(const std::string&, const std::string&, Icon) override { return false; }
    void showMessage(const std::string&, const std::string&, Icon) override {}
    int64_t clockSeconds() override { return clock; }
};

Picture* benchPicture() {
    static PicturePtr picture(createPicture(kSize, kSize, 0));
    return picture.get();
}

// A picture that stays in this machine's caches (1024 x 1024 is 4 MiB), for the
// generators' own work apart from the memory's.
constexpr int32_t kCachedSize = 1024;

Picture* cachedPicture() {
    static PicturePtr picture(createPicture(kCachedSize, kCachedSize, 0));
    return picture.get();
}

// Opaque (255) or blended (128) for the primitives.
void setLevel(const benchmark::State& state) {
    resetPaintSettings();
    paintSettings().blendLevel = state.range(0) ? 128 : 255;
    if (state.range(0)) paintSettings().mixFromPercent = 30, paintSettings().mixToPercent = 90;
}

void label(benchmark::State& state, int64_t pixelsPerIteration) {
    state.SetItemsProcessed(state.iterations() * pixelsPerIteration);
    state.SetLabel(state.range(0) ? "blended" : "opaque");
}

void BM_Memset(benchmark::State& state) {
    Picture* p = benchPicture();
    int value = 0;
    for (auto _ : state) {
        std::memset(p->pixels, value++ & 0xFF, size_t(kSize) * kSize * 4);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * int64_t(kSize) * kSize);
}

void BM_FillRect(benchmark::State& state) {
    setLevel(state);
    Picture* p = benchPicture();
    uint8_t c = 0;
    for (auto _ : state) {
        fillRect(p, 0, 0, kSize, kSize, ShapeColor{c++, 40, 80});
        benchmark::ClobberMemory();
    }
    label(state, int64_t(kSize) * kSize);
}

void BM_FillDisc(benchmark::State& state) {
    setLevel(state);
    Picture* p = benchPicture();
    const int32_t r = kSize / 2;
    int64_t pixels = 0;
    for (int64_t j = -r + 1; j < r; ++j) {
        int64_t h = 0;
        while (std::sqrt(double((h + 1) * (h + 1) + j * j)) < r) ++h;
        pixels += 2 * h + 1;
    }
    uint8_t c = 0;
    for (auto _ : state) {
        fillDisc(p, r, r, r, ShapeColor{c++, 40, 80});
        benchmark::ClobberMemory();
    }
    label(state, pixels);
}

void BM_PolygonFill(benchmark::State& state) {
    setLevel(state);
    Picture* p = benchPicture();
    // A star of 16 points inside the picture.
    PolygonPoint star[32];
    for (int i = 0; i < 32; ++i) {
        const double a = i * 3.141592654 / 16, rad = (i % 2 ? 0.3 : 0.5) * kSize - 1;
        star[i] = PolygonPoint{int32_t(kSize / 2 + rad * std::cos(a)), int32_t(kSize / 2 + rad * std::sin(a))};
    }
    int64_t pixels = 0;
    {
        PicturePtr probe(createPicture(kSize, kSize, 0));
        resetPaintSettings();
        drawPolygon(probe.get(), star, 32, ShapeColor{0, 0, 0}, 1);
        for (int64_t i = 0; i < int64_t(kSize) * kSize; ++i) pixels += probe->pixels[4 * i] == 0;
        setLevel(state);
    }
    uint8_t c = 0;
    for (auto _ : state) {
        drawPolygon(p, star, 32, ShapeColor{c++, 40, 80}, 1);
        benchmark::ClobberMemory();
    }
    label(state, pixels);
}

// Mean count of pixels one shape of a generator covers, measured shape by shape
// on a clean picture (the generators' shapes are far smaller than it).
template <class Draw>
double meanShapePixels(Draw draw) {
    resetPaintSettings();
    PicturePtr probe(createPicture(1024, 1024, 0));
    int64_t total = 0;
    const int samples = 200;
    for (int s = 0; s < samples; ++s) {
        std::memset(probe->pixels, 255, size_t(1024) * 1024 * 4);
        BenchInteraction ui;
        ui.clock = 1000 + s;
        draw(probe.get(), ui);
        for (int64_t i = 0; i < int64_t(1024) * 1024; ++i)
            total += std::memcmp(probe->pixels + 4 * i, "\xff\xff\xff\xff", 4) != 0;
    }
    return double(total) / samples;
}

template <class Draw>
void runGenerator(benchmark::State& state, int32_t shapes, Draw draw) {
    const double perShape = meanShapePixels([&](Picture* p, Interaction& ui) { draw(p, ui, 1); });
    setLevel(state);
    Picture* p = state.range(1) == kCachedSize ? cachedPicture() : benchPicture();
    BenchInteraction ui;
    for (auto _ : state) {
        ++ui.clock;
        draw(p, ui, shapes);
        benchmark::ClobberMemory();
    }
    label(state, int64_t(perShape * shapes));
    if (state.range(1) == kCachedSize) state.SetLabel(state.range(0) ? "blended, cached" : "opaque, cached");
    state.counters["shapes/s"] = benchmark::Counter(double(shapes), benchmark::Counter::kIsIterationInvariantRate);
    // The CPU time of one shape, the figure the small shapes are held to.
    state.counters["s/shape"] =
        benchmark::Counter(double(shapes), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Circles(benchmark::State& state) {
    runGenerator(state, 2000, [](Picture* p, Interaction& ui, int32_t n) {
        drawCircles(p, CircleParams{8, 32, n}, ui);
    });
}
void BM_Rectangles(benchmark::State& state) {
    runGenerator(state, 2000, [](Picture* p, Interaction& ui, int32_t n) {
        drawRectangles(p, RectangleParams{4, 4, 32, 32, n}, ui);
    });
}
void BM_PolygonsFilled(benchmark::State& state) {
    runGenerator(state, 500, [](Picture* p, Interaction& ui, int32_t n) {
        drawPolygons(p, PolygonParams{16, 64, 8, 32, n, 1}, ui);
    });
}
void BM_PolygonsOutlined(benchmark::State& state) {
    runGenerator(state, 500, [](Picture* p, Interaction& ui, int32_t n) {
        drawPolygons(p, PolygonParams{16, 64, 8, 32, n, 0}, ui);
    });
}
void BM_VectorsFilled(benchmark::State& state) {
    runGenerator(state, 1000, [](Picture* p, Interaction& ui, int32_t n) {
        drawVectors(p, VectorParams{8, 256, 8, 48, n, 1}, ui);
    });
}
void BM_VectorsOutlined(benchmark::State& state) {
    runGenerator(state, 1000, [](Picture* p, Interaction& ui, int32_t n) {
        drawVectors(p, VectorParams{8, 256, 8, 48, n, 0}, ui);
    });
}

// The memory's share of the small shapes: the same kind of runs (rectangles 4..31 on
// a side, discs of radius 8..31, 2000 of them, each at a new place on every pass like
// the generators' shapes) with every run worked out beforehand, written with the same
// stores and the same fetching ahead (12 runs ahead within a shape, the first 12 runs
// of the next one). What the generators take beyond this is their own work; this is
// what any drawing of these cells pays on this machine.
void BM_SmallShapeCells(benchmark::State& state) {
    resetPaintSettings();
    Picture* p = benchPicture();
    const bool discs = state.range(0) != 0;
    struct Run {
        int64_t offset;  // from the shape's corner, in bytes
        int64_t cells;
    };
    std::vector<std::vector<Run>> shapes(2000);
    uint32_t seed = 7;
    auto draw = [&seed] {
        seed = seed * 214013u + 2531011u;
        return int64_t((seed >> 16) & 0x7FFF);
    };
    const int64_t stride = int64_t(kSize) * 4;
    for (auto& runs : shapes) {
        if (discs) {
            const int64_t r = 8 + draw() % 24;
            for (int64_t j = 0, half = r - 1; j < r; ++j) {
                while (half * half + j * j >= r * r) --half;
                runs.push_back(Run{(r + j) * stride + (r - half) * 4, 2 * half + 1});
                if (j > 0) runs.push_back(Run{(r - j) * stride + (r - half) * 4, 2 * half + 1});
            }
        } else {
            const int64_t w = 4 + draw() % 28, h = 4 + draw() % 28;
            for (int64_t j = 0; j < h; ++j) runs.push_back(Run{j * stride, w});
        }
    }
    // A new corner for every shape on every pass, anywhere the shape fits.
    std::vector<uint8_t*> corners(shapes.size());
    auto place = [&] {
        for (uint8_t*& corner : corners) {
            const int64_t x = draw() % (kSize - 64), y = draw() % (kSize - 64);
            corner = p->pixels + y * stride + x * 4;
        }
    };
    constexpr size_t kAhead = 12;
    uint32_t word = 0;
    for (auto _ : state) {
        state.PauseTiming();
        place();
        state.ResumeTiming();
        ++word;
        for (size_t s = 0; s < shapes.size(); ++s) {
            if (s + 1 < shapes.size())
                for (size_t k = 0; k < std::min(kAhead, shapes[s + 1].size()); ++k)
                    prefetchCells(corners[s + 1] + shapes[s + 1][k].offset, shapes[s + 1][k].cells);
            const std::vector<Run>& runs = shapes[s];
            uint8_t* const corner = corners[s];
            for (size_t k = 0; k < runs.size(); ++k) {
                if (k + kAhead < runs.size()) prefetchCells(corner + runs[k + kAhead].offset, runs[k + kAhead].cells);
                storeCells(corner + runs[k].offset, runs[k].cells, word);
            }
        }
        benchmark::ClobberMemory();
    }
    state.SetLabel(discs ? "discs 8..32" : "rectangles 4..32");
    state.counters["s/shape"] = benchmark::Counter(
        double(shapes.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Every generator: opaque and blended on the large picture, opaque on the cached one.
void generatorCases(benchmark::internal::Benchmark* b) {
    b->Args({0, kSize})->Args({1, kSize})->Args({0, kCachedSize})->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(BM_Memset)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillRect)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillDisc)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PolygonFill)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SmallShapeCells)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Circles)->Apply(generatorCases);
BENCHMARK(BM_Rectangles)->Apply(generatorCases);
BENCHMARK(BM_PolygonsFilled)->Apply(generatorCases);
BENCHMARK(BM_PolygonsOutlined)->Apply(generatorCases);
BENCHMARK(BM_VectorsFilled)->Apply(generatorCases);
BENCHMARK(BM_VectorsOutlined)->Apply(generatorCases);
BENCHMARK_MAIN();
