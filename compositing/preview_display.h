#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/picture.h"
#include "core/view_sampling.h"

// The preview's images, built without the toolkit so that the window and the command
// line show the same pixels.
//
// The picture is reduced by `zoom` (every zoom-th pixel each way) to one copy of
// sw x sh pixels, and the copy is laid out three times across and three times down.
// The display image is what the window paints and what overlays are drawn on: 24 bits
// a pixel (blue, green, red), rows top to bottom, 3 * sw columns rounded up to a
// multiple of 4 (the extra columns stay black and are never painted) and 3 * sh rows.
// The clean tile rows are kept beside it, so that an overlay is wiped by copying them
// back (rebuildDisplay) without reading the picture again.

inline constexpr int32_t kPreviewMinZoom = kViewMinZoom;
inline constexpr int32_t kPreviewMaxZoom = kViewMaxZoom;
// Largest display image we make, in pixels; beyond it the preview asks for a higher zoom.
inline constexpr int64_t kMaxPreviewPixels = int64_t(1) << 28;

struct PreviewDisplay {
    int32_t zoom = 1;
    int32_t pictureWidth = 0;       // W
    int32_t pictureHeight = 0;      // H
    int32_t copyWidth = 0;          // sw = W / zoom
    int32_t copyHeight = 0;         // sh = H / zoom
    int32_t width = 0;              // 3 * sw rounded up to a multiple of 4
    int32_t height = 0;             // 3 * sh
    size_t stride = 0;              // bytes of one display row: width * 3
    std::vector<uint8_t> tileRows;  // sh clean rows of three copies each, stride bytes apart
    std::vector<uint8_t> pixels;    // the display image: height rows, stride bytes apart

    // The part that is painted: three copies each way, without the padding columns.
    int32_t shownWidth() const { return 3 * copyWidth; }
    int32_t shownHeight() const { return height; }
    bool empty() const { return copyWidth == 0 || copyHeight == 0; }
    uint8_t* pixel(int32_t x, int32_t y) { return pixels.data() + size_t(y) * stride + size_t(x) * 3; }
    const uint8_t* pixel(int32_t x, int32_t y) const { return pixels.data() + size_t(y) * stride + size_t(x) * 3; }
};

enum class PreviewBuild {
    Built,     // the images hold the picture (possibly empty: a picture smaller than zoom)
    TooLarge,  // the display image would exceed kMaxPreviewPixels or memory; nothing kept
};

// Builds the tile rows of `picture` at `zoom` (1..16), with "Cadre Resolution" when
// `frame` is set (the first column and the first row of each copy inverted, the
// copy's first pixel inverted twice), then the display image from them.
// `out` may hold an earlier build, whose memory is reused. Rows are built on all cores.
PreviewBuild buildPreviewDisplay(const Picture& picture, int32_t zoom, bool frame, PreviewDisplay& out);

// Copies the clean tile rows over the whole display image, wiping any overlay.
void rebuildDisplay(PreviewDisplay& display);

// The shown part (shownWidth x shownHeight) as rows of red, green, blue.
std::vector<uint8_t> shownRgb(const PreviewDisplay& display);
