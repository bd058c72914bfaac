#pragma once
#include <cstdint>

// Where things sit in the preview's client area and how a pointer there maps to a
// picture position. Sizes in pixels of the client area.

// The image area starts this far below the top of the client area; the
// "Cadre Resolution" check box sits above it.
inline constexpr int32_t kPreviewImageTop = 32;
// Thickness of the two scroll bars.
inline constexpr int32_t kPreviewBarThickness = 24;

struct PreviewRect {
    int32_t x = 0, y = 0, width = 0, height = 0;
    bool operator==(const PreviewRect&) const = default;
};

struct PreviewLayout {
    PreviewRect horizontalBar;  // along the bottom, as wide as the client area less the bar
    PreviewRect verticalBar;    // along the right, as high as the client area less the bar
};

PreviewLayout previewLayout(int32_t clientWidth, int32_t clientHeight);

// Scroll ranges count picture pixels: 0 .. 3 * W across and 0 .. 3 * H down.
struct PreviewScrollRanges {
    int32_t horizontalMax = 0;
    int32_t verticalMax = 0;
};
PreviewScrollRanges previewScrollRanges(int32_t pictureWidth, int32_t pictureHeight);

struct PreviewPointer {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const PreviewPointer&) const = default;
};

// The picture position under client point (x, y). The scroll offsets are offsets into
// the reduced display image (that is how the image is painted), so they are scaled by
// `zoom` together with the point: the tag then lands under the pointer at every zoom.
PreviewPointer previewPointer(int32_t clientX, int32_t clientY, int32_t zoom, int32_t scrollX, int32_t scrollY);

// "Out" and "In" of the preview's Zoom menu, held within 1..16.
int32_t previewZoomOut(int32_t zoom);
int32_t previewZoomIn(int32_t zoom);
