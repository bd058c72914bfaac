#include "compositing/tag_stamping.h"

#include <cmath>

#include "compositing/rotate_block.h"
#include "compositing/stamp_block.h"
#include "core/blend_level.h"
#include "core/interaction.h"
#include "core/picture.h"
#include "core/random_sequence.h"

bool stampTag(const TagSet& set, int32_t index, Picture* picture, int32_t x, int32_t y, uint32_t keyColor,
              bool antiAlias, bool rotation) {
    pickBlendLevel();
    const TagImage* tag = set.image(index);
    if (!tag) return true;
    const int32_t angle = nextRandom() % 360;
    if (angle == 0 || !rotation) {
        stampBlock(picture, x, y, tag->cells(), tag->width, tag->height, keyColor);
        return true;
    }
    const std::optional<TagImage> rotated = rotateBlock(tag->cells(), tag->width, tag->height, angle, antiAlias);
    if (!rotated) return false;
    stampBlock(picture, x, y, rotated->cells(), rotated->width, rotated->height, keyColor);
    return true;
}

void stampTags(Picture* picture, const TagParams& params, uint32_t keyColor, bool antiAlias,
               const ImageLibrary& library, Interaction& ui) {
    (void)interruptRequested(ui);
    if (!picture || picture->width <= 0 || picture->height <= 0 || params.tagFiles.empty()) return;
    const TagSet set = loadTagSet(library, params.tagFiles, keyColor, ui);

    const int32_t w = picture->width, h = picture->height;
    const double f = paintSettings().connectable ? 3.0 : 1.125;
    const int32_t rangeX = int32_t(f * w), rangeY = int32_t(f * h);
    const double d = placementMarginDivisor();
    seedRandom(clockSeed(ui));

    for (int64_t n = 1;; ++n) {
        const int32_t px = nextRandom() % rangeX;
        const int32_t py = nextRandom() % rangeY;
        const int32_t x = int32_t(std::trunc(px - w / d));
        const int32_t y = int32_t(std::trunc(py - h / d));
        const int32_t index = nextRandom() % set.count();
        if (!stampTag(set, index, picture, x, y, keyColor, antiAlias, params.tagRotation != 0)) {
            ui.showMessage(kRotationTooLargeMessage, kMainCaption, Interaction::Icon::Error);
            return;
        }
        ui.progress(n);
        if (interruptRequested(ui)) return;
        if (params.tagCount >= 1 && n >= params.tagCount) return;
    }
}
