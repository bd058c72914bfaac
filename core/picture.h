#pragma once
#include <cstdint>
#include <memory>

#include "core/connectable.h"
#include "core/paint_settings.h"

// The raster every operation draws into: 4 bytes per pixel, red, green, blue, alpha,
// alpha always 255, rows top to bottom. The mask plane (twice the size each way) is
// kept for layout compatibility; nothing uses it after creation.
struct Picture {
    int32_t width = 0;
    int32_t height = 0;
    int32_t maskWidth = 0;
    int32_t maskHeight = 0;
    int32_t reserved = 0;
    uint8_t* pixels = nullptr;
    uint8_t* mask = nullptr;
};

// Largest picture we create: width * height at most this many pixels, so that the
// plane (4 bytes a pixel) and its mask (4 bytes a pixel) stay within 32-bit sizes.
inline constexpr int64_t kMaxPicturePixels = int64_t(1) << 28;

void freePicture(Picture* picture);

// Whoever holds a picture holds it through this owner.
struct PictureDeleter {
    void operator()(Picture* p) const { freePicture(p); }
};
using PicturePtr = std::unique_ptr<Picture, PictureDeleter>;

// A new opaque white picture, or null when the size is negative, too large
// (over kMaxPicturePixels) or memory runs out. Nothing partial is ever returned.
PicturePtr createPicture(int32_t width, int32_t height, int32_t reserved);

// The same, its pixel plane left as the allocator gives it: for a caller that writes
// every cell before the picture is seen (a decoder), and so spares a white fill.
PicturePtr createUnfilledPicture(int32_t width, int32_t height, int32_t reserved);

// A new picture of the same size and reserved value whose pixel plane is a byte
// copy of `source` (the mask plane is not copied), or null.
PicturePtr copyPicture(const Picture* source);

// Reads never wrap; outputs are written only when the point is inside.
inline bool getPixelRGBA(const Picture* picture, int32_t x, int32_t y, uint8_t* r, uint8_t* g, uint8_t* b, uint8_t* a) {
    const int32_t i = pixelIndex(picture->width, picture->height, x, y);
    if (i == -1) return false;
    const uint8_t* cell = picture->pixels + size_t(i) * 4;
    if (r) *r = cell[0];
    if (g) *g = cell[1];
    if (b) *b = cell[2];
    if (a) *a = cell[3];
    return true;
}

inline bool getPixel(const Picture* picture, int32_t x, int32_t y, uint8_t* r, uint8_t* g, uint8_t* b) {
    return getPixelRGBA(picture, x, y, r, g, b, nullptr);
}

// Plain store for bulk writers: neither wraps nor blends.
inline bool storePixel(Picture* picture, int32_t x, int32_t y, uint8_t r, uint8_t g, uint8_t b) {
    const int32_t i = pixelIndex(picture->width, picture->height, x, y);
    if (i == -1) return false;
    uint8_t* cell = picture->pixels + size_t(i) * 4;
    cell[0] = r;
    cell[1] = g;
    cell[2] = b;
    cell[3] = 255;
    return true;
}

// The write every drawing goes through: wraps in connectable mode, blends with
// PaintSettings.blendLevel when it is not 255, clips otherwise.
inline bool putPixel(Picture* picture, int32_t x, int32_t y, uint8_t r, uint8_t g, uint8_t b) {
    if (!picture) return false;
    const PaintSettings& s = paintSettings();
    if (s.connectable) mapConnectable(picture->width, picture->height, x, y, &x, &y);
    if (s.blendLevel != 255) {
        uint8_t cr = 0, cg = 0, cb = 0;
        getPixel(picture, x, y, &cr, &cg, &cb);
        r = blendChannel(cr, r, s.blendLevel);
        g = blendChannel(cg, g, s.blendLevel);
        b = blendChannel(cb, b, s.blendLevel);
    }
    return storePixel(picture, x, y, r, g, b);
}

// Maps (x, y) with mapConnectable when the picture exists and connectable mode is on;
// otherwise hands the point back unchanged and returns false.
bool mapPoint(const Picture* picture, int32_t x, int32_t y, int32_t* outX, int32_t* outY);

// Generators scatter shapes over a range shifted by size / this: 1 when connectable, 8 when not.
double placementMarginDivisor();
