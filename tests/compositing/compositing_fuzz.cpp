// Any bytes as the settings and pixels of the compositing operations: rotations of any
// size and angle (huge, negative, not finite), stamps and whole tag and circle-mix
// runs over small pictures, with a library that answers with whatever block the
// input holds. Everything must stay inside its buffers; the rotations' sizes must be
// what they announce.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "compositing/circle_mix.h"
#include "compositing/rotate_block.h"
#include "compositing/stamp_block.h"
#include "compositing/tag_stamping.h"
#include "core/interaction.h"
#include "core/picture.h"
#include "exchange/image_library.h"

namespace {

struct Reader {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    uint32_t u32() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = v << 8 | (at < size ? data[at++] : 0);
        return v;
    }
    int32_t small(int32_t span) { return int32_t(u32() % uint32_t(span)); }
    double angle() {
        switch (u32() % 6) {
        case 0:
            return double(int32_t(u32()));
        case 1:
            return double(u32() % 65536);
        case 2:
            return -double(u32() % 1000) / 7.0;
        case 3:
            return 1e300;
        case 4:
            return NAN;
        default:
            return double(u32() % 360) + 1e-8;
        }
    }
};

// The block the fake library hands out, and whether it claims opacity.
std::vector<uint8_t> g_cells;
int32_t g_w = 0, g_h = 0;
bool g_alpha = false;

uint8_t load(const char*, uint8_t** buffer, int32_t* w, int32_t* h, uint8_t* alpha, int32_t) {
    if (g_cells.empty()) return 0;
    *buffer = static_cast<uint8_t*>(std::malloc(g_cells.size()));
    std::memcpy(*buffer, g_cells.data(), g_cells.size());
    *w = g_w;
    *h = g_h;
    *alpha = g_alpha;
    return 1;
}
void release(void* b) { std::free(b); }

// Escape after a bounded number of polls, so that runs without a count end.
class BoundedRun : public Interaction {
public:
    int polls = 0;
    bool escapePressed() override { return ++polls > 40; }
    bool askYesNo(const std::string&, const std::string&, Icon) override { return true; }
    void showMessage(const std::string&, const std::string&, Icon) override {}
    int64_t clockSeconds() override { return 99; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Reader in{data, size};
    resetPaintSettings();
    PaintSettings& s = paintSettings();
    s.connectable = in.u32() & 1;
    s.mixFromPercent = uint8_t(in.u32());
    s.mixToPercent = uint8_t(in.u32());
    s.blendColor = (in.u32() & 1) ? PaintSettings::kNoBlendColor : in.u32() & 0xFFFFFF;

    g_w = in.small(24);
    g_h = in.small(24);
    g_alpha = in.u32() & 1;
    g_cells.assign(size_t(g_w) * size_t(g_h) * 4, 0);
    for (uint8_t& b : g_cells) b = uint8_t(in.u32());

    const bool antiAlias = in.u32() & 1;
    const double angle = in.angle();
    if (const auto rotated = rotateBlock(g_cells.data(), g_w, g_h, angle, antiAlias)) {
        const CellSize size = turnedSize(g_w, g_h, angle, antiAlias);
        if (rotated->width != size.width || rotated->height != size.height ||
            rotated->pixels.size() != size_t(rotated->width) * size_t(rotated->height) * 4)
            __builtin_trap();
    }

    PicturePtr picture = createPicture(4 + in.small(28), 4 + in.small(28), 0);
    s.blendLevel = uint8_t(in.u32());
    stampBlock(picture.get(), in.small(200) - 100, in.small(200) - 100, g_cells.data(), g_w, g_h, s.blendColor);

    ImageLibrary lib;
    lib.loadToDisk = load;
    lib.free = release;
    BoundedRun ui;
    TagParams tags;
    tags.tagFiles = {"a", "b"};
    tags.tagCount = in.small(6) - 1;
    tags.tagRotation = in.u32() & 1;
    stampTags(picture.get(), tags, s.blendColor, antiAlias, lib, ui);

    CircleMixParams mix;
    mix.mixFiles = {"a"};
    mix.mixMinPercent = int32_t(in.u32());
    mix.mixMaxPercent = int32_t(in.u32());
    mix.radiusMin = in.small(40) - 8;
    mix.radiusMax = in.small(40) - 8;
    mix.discCount = in.small(6) - 1;
    mix.opaqueMinPercent = in.small(120) - 10;
    mix.opaqueMaxPercent = in.small(120) - 10;
    mix.discRotation = in.u32() & 1;
    mix.plug = in.u32() & 1;
    ui.polls = 0;
    mixCircles(picture.get(), mix, antiAlias, lib, ui);
    return 0;
}
