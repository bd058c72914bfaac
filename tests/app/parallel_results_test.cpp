// Every operation whose loops are shared over the cores gives the same bytes with one
// thread as with several, on sizes that cut into uneven bands.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/display_image.h"
#include "compositing/preview_display.h"
#include "core/parallel.h"
#include "core/random_sequence.h"
#include "exchange/dib_codec.h"
#include "filters/noise_filter.h"
#include "filters/render_connectable.h"
#include "filters/seam_tally.h"
#include "filters/sharpen_filter.h"
#include "tests/support/fake_interaction.h"

namespace {

PicturePtr grainy(int32_t w, int32_t h) {
    PicturePtr p(createPicture(w, h, 0));
    uint32_t s = uint32_t(w) * 7919u + uint32_t(h);
    for (int64_t i = 0; i < int64_t(w) * h; ++i) {
        s = s * 1664525u + 1013904223u;
        uint8_t* c = p->pixels + i * 4;
        c[0] = uint8_t(s >> 24);
        c[1] = uint8_t(s >> 16) & uint8_t(i);
        c[2] = uint8_t(i >> 3);
    }
    return p;
}

std::vector<uint8_t> plane(const Picture& p) { return {p.pixels, p.pixels + size_t(p.width) * p.height * 4}; }

// The bytes (and for noise the random state) an operation leaves behind, run on a
// fresh copy of the same picture.
using Operation = std::function<std::vector<uint8_t>(Picture&)>;

void withLevel(uint8_t level, bool connectable, const std::function<void()>& run) {
    resetPaintSettings();
    paintSettings().blendLevel = level;
    paintSettings().connectable = connectable ? 1 : 0;
    run();
    resetPaintSettings();
}

struct Case {
    std::string name;
    Operation run;
};

std::vector<Case> operations() {
    std::vector<Case> cases;
    for (bool mono : {false, true}) {
        cases.push_back({mono ? "noise mono" : "noise colour", [mono](Picture& p) {
                             FakeInteraction ui;
                             noiseFilter(&p, mono, 40, 987654, ui);
                             std::vector<uint8_t> out = plane(p);
                             const uint32_t state = randomState();
                             out.insert(out.end(), {uint8_t(state), uint8_t(state >> 8), uint8_t(state >> 16),
                                                    uint8_t(state >> 24)});
                             return out;
                         }});
    }
    for (uint8_t level : {uint8_t(255), uint8_t(127)}) {
        for (bool connectable : {false, true}) {
            cases.push_back({"sharpen level " + std::to_string(level) + (connectable ? " connectable" : ""),
                             [level, connectable](Picture& p) {
                                 withLevel(level, connectable, [&] { sharpenFilter(&p, 60, connectable); });
                                 return plane(p);
                             }});
        }
        cases.push_back({"render connectable level " + std::to_string(level), [level](Picture& p) {
                             withLevel(level, false, [&] { renderConnectable(&p); });
                             return plane(p);
                         }});
    }
    cases.push_back({"seam sums", [](Picture& p) {
                         const SeamTally t = seamTally(p);
                         std::vector<uint8_t> out;
                         for (uint64_t v : {t.columnWrap, t.columnInside, t.rowWrap, t.rowInside})
                             for (int b = 0; b < 8; ++b) out.push_back(uint8_t(v >> (8 * b)));
                         return out;
                     }});
    for (int bits : {24, 32}) {
        cases.push_back({"clipboard bitmap " + std::to_string(bits) + " bits", [bits](Picture& p) {
                             std::vector<uint8_t> out = encodeBmpFile(p, bits);
                             PicturePtr back;
                             if (decodeDib(out.data(), out.size(), &back) != DibStatus::Ok) return out;
                             const std::vector<uint8_t> decoded = plane(*back);
                             out.insert(out.end(), decoded.begin(), decoded.end());
                             return out;
                         }});
    }
    for (int32_t zoom : {1, 3}) {
        for (bool connectable : {false, true}) {
            cases.push_back({"display image zoom " + std::to_string(zoom) + (connectable ? " connectable" : ""),
                             [zoom, connectable](Picture& p) {
                                 const size_t stride = size_t(displayWidth(p.width)) * 4;
                                 std::vector<uint8_t> out(stride * size_t(p.height), 7);
                                 buildDisplayImage(p, zoom, connectable, out.data(), stride);
                                 return out;
                             }});
        }
        cases.push_back({"preview images zoom " + std::to_string(zoom), [zoom](Picture& p) {
                             PreviewDisplay d;
                             buildPreviewDisplay(p, zoom, zoom == 3, d);
                             std::vector<uint8_t> out = d.pixels;
                             out.insert(out.end(), d.tileRows.begin(), d.tileRows.end());
                             return out;
                         }});
    }
    return cases;
}

TEST(ParallelResults, OneThreadAndManyGiveTheSameBytes) {
    struct Size {
        int32_t w, h;
    };
    const Size sizes[] = {{4, 4}, {5, 7}, {33, 129}, {200, 67}, {97, 301}};
    for (const Case& c : operations()) {
        for (const Size& s : sizes) {
            PicturePtr original = grainy(s.w, s.h);
            std::vector<uint8_t> single;
            for (int threads : {1, 2, 5}) {
                setParallelThreads(threads);
                PicturePtr p = copyPicture(original.get());
                const std::vector<uint8_t> result = c.run(*p);
                setParallelThreads(0);
                if (threads == 1) {
                    single = result;
                    continue;
                }
                EXPECT_TRUE(result == single) << c.name << ", " << s.w << " x " << s.h << ", " << threads << " threads";
            }
        }
    }
}

}  // namespace
