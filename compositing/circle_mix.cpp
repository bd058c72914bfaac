#include "compositing/circle_mix.h"

#include <algorithm>
#include <new>

#include "compositing/blend_disc.h"
#include "compositing/copy_block.h"
#include "compositing/rotate_block.h"
#include "core/blend_level.h"
#include "core/interaction.h"
#include "core/out_of_memory.h"
#include "core/picture.h"
#include "core/random_sequence.h"

namespace {

// A draw reduced by n as the C remainder does (by |n| for a negative n); a range of
// nothing gives 0. The draw is made either way.
int64_t drawMod(int64_t n) {
    const int64_t v = nextRandom();
    return n == 0 ? 0 : v % n;
}

// min + (draw mod (max - min)) for a non-empty range, else min without a draw.
int64_t drawBetween(int64_t min, int64_t max) { return max > min ? min + nextRandom() % (max - min) : min; }

// Coverage at and above this counts as covered in the plugging phase.
constexpr uint8_t kCovered = 240;

}  // namespace

std::string discTooLargeMessage(int64_t radius) {
    return "A disc of radius " + std::to_string(radius) + " is too large to be turned";
}

std::optional<DiscSource> prepareDiscSource(const TagSet& set, int32_t index, int64_t cx, int64_t cy, int64_t r,
                                            bool antiAlias, bool rotation) {
    pickBlendLevel();
    const int32_t angle = nextRandom() % 360;
    const TagImage* source = set.image(index);
    DiscSource out;
    if (!source) return out;
    if (!rotation || angle == 0) {
        out.cells = source->cells();
        out.width = source->width;
        out.height = source->height;
        out.cx = int32_t(cx);
        out.cy = int32_t(cy);
        return out;
    }
    const int64_t side = 4 * r;
    const int64_t centreX = 2 * r + drawMod(source->width - side);
    const int64_t centreY = 2 * r + drawMod(source->height - side);
    const int64_t square = std::max<int64_t>(side, 0);
    if (square > 0 && square > kMaxPicturePixels / square) return std::nullopt;

    // Cells of the square outside the source stay all zero: fully transparent.
    std::vector<uint8_t> block;
    try {
        block.resize(size_t(square) * size_t(square) * 4);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
    copyBlock(source->cells(), source->width, source->height, block.data(), int32_t(square), int32_t(square),
              centreX - 2 * r, centreY - 2 * r, int32_t(square), int32_t(square));

    // The disc reads offsets [-r, r) around the rotated block's centre and nothing
    // else; only that window of the rotation is made.
    const CellSize size = turnedSize(int32_t(square), int32_t(square), angle, antiAlias);
    const int64_t midX = size.width / 2, midY = size.height / 2;
    const int64_t span = std::max<int64_t>(r, 0);
    CellRect window{int32_t(std::clamp<int64_t>(midX - span, INT32_MIN, INT32_MAX)),
                    int32_t(std::clamp<int64_t>(midY - span, INT32_MIN, INT32_MAX)), int32_t(2 * span),
                    int32_t(2 * span)};
    CellRect part;
    std::optional<TagImage> rotated =
        rotateBlockWindow(block.data(), int32_t(square), int32_t(square), angle, antiAlias, window, &part);
    if (!rotated) return std::nullopt;
    out.rotated = std::move(*rotated);
    out.cells = out.rotated.cells();
    out.width = out.rotated.width;
    out.height = out.rotated.height;
    out.cx = int32_t(midX - part.x);
    out.cy = int32_t(midY - part.y);
    return out;
}

bool drawMixDisc(const TagSet& set, int32_t index, Picture* picture, int32_t x, int32_t y,
                 const StoredCircleMix& params, bool antiAlias, int64_t* refusedRadius) {
    const int64_t mix = drawBetween(params.mixMinPercent, params.mixMaxPercent);
    int64_t opaque = 0;
    if (params.opaqueMinPercent != 0 && params.opaqueMinPercent <= params.opaqueMaxPercent) {
        opaque = drawBetween(params.opaqueMinPercent, params.opaqueMaxPercent);
    }
    const int64_t r = drawBetween(params.radiusMin, params.radiusMax);
    const TagImage* source = set.image(index);
    if (!source) return true;
    const int64_t w = source->width, h = source->height;
    if (w - 2 * r <= 0 || h - 2 * r <= 0) return true;
    const int64_t cx = r + nextRandom() % (w - 2 * r);
    const int64_t cy = r + nextRandom() % (h - 2 * r);
    const std::optional<DiscSource> prepared =
        prepareDiscSource(set, index, cx, cy, r, antiAlias, params.discRotation != 0);
    if (!prepared) {
        if (refusedRadius) *refusedRadius = r;
        return false;
    }
    // Past the size check r is below half the source's smaller side (or not positive,
    // which draws nothing).
    blendDisc(picture, set.coverage.get(), x, y, prepared->cells, prepared->width, prepared->height, prepared->cx,
              prepared->cy, int32_t(std::max<int64_t>(r, 0)), mix, int32_t(opaque));
    return true;
}

bool plugHoles(Picture* picture, const StoredCircleMix& params, bool antiAlias, const TagSet& set, Interaction& ui,
               int64_t& discs, int64_t* refusedRadius) {
    const CoverageMask* mask = set.coverage.get();
    if (!mask || set.count() == 0) return true;
    const int32_t w = mask->width, h = mask->height;
    const int64_t tries = 4 * int64_t(set.count());
    for (int64_t pass = 1;; ++pass) {
        ui.passStarted(pass);
        bool holeFound = false;
        for (int32_t y = 0; y < h; ++y) {
            const uint8_t* row = mask->bytes + size_t(y) * size_t(w);
            for (int32_t x = 0; x < w; ++x) {
                if (row[x] >= kCovered) continue;
                holeFound = true;
                int32_t run = 0;
                while (x + run < w && row[x + run] < kCovered) ++run;
                const int32_t cx = x + run / 2;
                int32_t down = 0;
                while (y + down < h && mask->bytes[size_t(y + down) * size_t(w) + size_t(cx)] < kCovered) ++down;
                const int32_t cy = y + down / 2;
                int32_t index = -1;
                for (int64_t drawn = 1; index < 0; ++drawn) {
                    const int32_t i = nextRandom() % set.count();
                    if (set.image(i)) {
                        index = i;
                    } else if (drawn >= tries) {
                        return true;
                    }
                }
                if (!drawMixDisc(set, index, picture, cx, cy, params, antiAlias, refusedRadius)) return false;
                ui.progress(++discs);
            }
            if (interruptRequested(ui)) return true;
        }
        if (!holeFound) return true;
        if (interruptRequested(ui)) return true;
    }
}

void mixCircles(Picture* picture, const CircleMixParams& params, bool antiAlias, const ImageLibrary& library,
                Interaction& ui) {
    (void)interruptRequested(ui);
    if (!picture || picture->width <= 0 || picture->height <= 0 || params.mixFiles.empty()) return;
    TagSet set = loadTagSet(library, params.mixFiles, paintSettings().blendColor, ui);
    const int32_t w = picture->width, h = picture->height;
    set.coverage.reset(createCoverageMask(w, h));
    if (!set.coverage) throw OutOfMemory("Not enough memory for the coverage of this picture");
    const bool connectable = paintSettings().connectable != 0;
    const int64_t rangeX = connectable ? 2 * int64_t(w) : w + 2 * int64_t(params.radiusMax);
    const int64_t rangeY = connectable ? 2 * int64_t(h) : h + 2 * int64_t(params.radiusMax);
    seedRandom(clockSeed(ui));

    int64_t discs = 0, refused = 0;
    auto refuse = [&] { ui.showMessage(discTooLargeMessage(refused), kMainCaption, Interaction::Icon::Error); };
    for (int64_t n = 1;; ++n) {
        const int32_t x = int32_t(drawMod(rangeX));
        const int32_t y = int32_t(drawMod(rangeY));
        const int32_t index = nextRandom() % set.count();
        if (set.image(index) && !drawMixDisc(set, index, picture, x, y, params, antiAlias, &refused)) {
            refuse();
            return;
        }
        ui.progress(++discs);
        if (interruptRequested(ui)) break;
        if (params.discCount >= 1 && n >= params.discCount) break;
    }
    if (params.plug && !plugHoles(picture, params, antiAlias, set, ui, discs, &refused)) refuse();
}
