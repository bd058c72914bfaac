#include "exchange/part_clipboard.h"

#include <cstring>

namespace {

void fillCells(uint8_t* dst, size_t count, const uint8_t* color) {
    for (size_t i = 0; i < count; ++i, dst += 4) std::memcpy(dst, color, 4);
}

}  // namespace

PicturePtr partExportPicture(const Picture& picture, bool connectable) {
    const int32_t w = picture.width, h = picture.height;
    if (!picture.pixels || w <= 0 || h <= 0) return nullptr;
    const PartMargins m = partExportMargins(w, h);
    // Both margins are below the side, so the sums stay within 32 bits.
    const int64_t bigW = int64_t(w) + 2 * int64_t(m.x), bigH = int64_t(h) + 2 * int64_t(m.y);
    if (bigW * bigH > kMaxPicturePixels) return nullptr;
    PicturePtr out = createPicture(int32_t(bigW), int32_t(bigH), 0);
    if (!out) return nullptr;

    const size_t rowBytes = size_t(w) * 4, marginBytes = size_t(m.x) * 4;
    if (connectable) {
        for (int32_t i = 0; i < int32_t(bigH); ++i) {
            uint8_t* dst = out->pixels + size_t(i) * size_t(bigW) * 4;
            // A margin is narrower than the picture, so each side wraps once at most.
            int32_t sy = 0;
            mapConnectable(w, h, 0, i - m.y, nullptr, &sy);
            const uint8_t* src = picture.pixels + size_t(sy) * rowBytes;
            std::memcpy(dst, src + rowBytes - marginBytes, marginBytes);
            std::memcpy(dst + marginBytes, src, rowBytes);
            std::memcpy(dst + marginBytes + rowBytes, src, marginBytes);
        }
        return out;
    }

    // Clipped: cells outside the picture take the color read last.
    uint8_t last[4] = {255, 255, 255, 255};
    for (int32_t i = 0; i < int32_t(bigH); ++i) {
        uint8_t* dst = out->pixels + size_t(i) * size_t(bigW) * 4;
        const int32_t sy = i - m.y;
        if (sy < 0 || sy >= h) {
            fillCells(dst, size_t(bigW), last);
            continue;
        }
        const uint8_t* src = picture.pixels + size_t(sy) * rowBytes;
        fillCells(dst, size_t(m.x), last);
        std::memcpy(dst + marginBytes, src, rowBytes);
        std::memcpy(last, src + rowBytes - 4, 4);
        last[3] = 255;
        fillCells(dst + marginBytes + rowBytes, size_t(m.x), last);
    }
    return out;
}

PicturePtr partImportCentre(const Picture& enlarged) {
    const int32_t bigW = enlarged.width, bigH = enlarged.height;
    if (!enlarged.pixels || bigW <= 0 || bigH <= 0) return nullptr;
    const PartMargins m = partImportMargins(bigW, bigH);
    const int32_t w = bigW - 2 * m.x, h = bigH - 2 * m.y;
    PicturePtr out = createPicture(w, h, 0);
    if (!out) return nullptr;
    const size_t rowBytes = size_t(w) * 4;
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* src = enlarged.pixels + (size_t(y + m.y) * size_t(bigW) + size_t(m.x)) * 4;
        std::memcpy(out->pixels + size_t(y) * rowBytes, src, rowBytes);
    }
    return out;
}
