#include "compositing/preview_geometry.h"

#include <algorithm>

#include "compositing/preview_display.h"

PreviewLayout previewLayout(int32_t clientWidth, int32_t clientHeight) {
    const int32_t t = kPreviewBarThickness;
    PreviewLayout layout;
    layout.horizontalBar = {0, clientHeight - t, std::max(clientWidth - t, 0), t};
    layout.verticalBar = {clientWidth - t, 0, t, std::max(clientHeight - t, 0)};
    return layout;
}

PreviewScrollRanges previewScrollRanges(int32_t pictureWidth, int32_t pictureHeight) {
    // Three copies of a picture within the core's pixel limit fit in 32 bits.
    return {int32_t(std::clamp<int64_t>(int64_t(pictureWidth) * 3, 0, INT32_MAX)),
            int32_t(std::clamp<int64_t>(int64_t(pictureHeight) * 3, 0, INT32_MAX))};
}

PreviewPointer previewPointer(int32_t clientX, int32_t clientY, int32_t zoom, int32_t scrollX, int32_t scrollY) {
    const auto scaled = [zoom](int64_t v) { return int32_t(std::clamp<int64_t>(v * zoom, INT32_MIN, INT32_MAX)); };
    return {scaled(int64_t(clientX) + scrollX), scaled(int64_t(clientY) - kPreviewImageTop + scrollY)};
}

int32_t previewZoomOut(int32_t zoom) { return std::min(zoom + 1, kPreviewMaxZoom); }
int32_t previewZoomIn(int32_t zoom) { return std::max(zoom - 1, kPreviewMinZoom); }
