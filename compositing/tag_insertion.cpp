#include "compositing/tag_insertion.h"

#include "compositing/rotate_block.h"
#include "compositing/tag_insert_inputs.h"
#include "core/interaction.h"

TagFootprint tagFootprint(const Picture& picture, int32_t tw, int32_t th, int32_t pointerX, int32_t pointerY) {
    TagFootprint f;
    if (picture.width <= 0 || picture.height <= 0 || tw <= 0 || th <= 0) return f;
    f.x = int64_t(pointerX % picture.width) - tw / 2;
    f.y = int64_t(pointerY % picture.height) - th / 2;
    f.width = tw;
    f.height = th;
    return f;
}

TagFootprint insertTagAt(Picture& picture, const uint8_t* cells, int32_t tw, int32_t th, int32_t pointerX,
                         int32_t pointerY, uint8_t level) {
    const TagFootprint f = tagFootprint(picture, tw, th, pointerX, pointerY);
    if (!cells || f.width == 0) return f;
    // A level of 0 scales every opacity to 0, and a pixel blended with itself keeps its
    // value at every blend level: such cells are skipped without changing the result.
    if (level == 0) return f;
    for (int32_t r = 0; r < th; ++r) {
        const int32_t y = int32_t(f.y + r);
        const uint8_t* cell = cells + size_t(r) * size_t(tw) * 4;
        for (int32_t c = 0; c < tw; ++c, cell += 4) {
            const uint8_t l = blendChannel(0, cell[3], level);
            if (l == 0) continue;
            const int32_t x = int32_t(f.x + c);
            int32_t mx = x, my = y;
            mapPoint(&picture, x, y, &mx, &my);
            // Outside the picture (connectable mode off) nothing is read and putPixel
            // drops the write.
            uint8_t r0 = 0, g0 = 0, b0 = 0;
            getPixel(&picture, mx, my, &r0, &g0, &b0);
            putPixel(&picture, x, y, blendChannel(r0, cell[0], l), blendChannel(g0, cell[1], l),
                     blendChannel(b0, cell[2], l));
        }
    }
    return f;
}

std::optional<TagImage> loadInsertTag(const ImageLibrary& library, const StoredTagInsert& params, uint32_t keyColor,
                                      Interaction& ui) {
    const std::string path = insertFileOf(params);
    if (path.empty()) return std::nullopt;
    std::optional<TagImage> tag = loadTagImage(library, path, keyColor, ui);
    if (!tag || params.insertAngle == 0) return tag;
    std::optional<TagImage> rotated =
        rotateBlock(tag->cells(), tag->width, tag->height, params.insertAngle, params.insertAntiAlias != 0);
    if (!rotated) ui.showMessage(kRotationTooLargeMessage, kMainCaption, Interaction::Icon::Error);
    return rotated;
}
