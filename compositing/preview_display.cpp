#include "compositing/preview_display.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "core/parallel.h"

namespace {

void invert(uint8_t* bgr) {
    bgr[0] = uint8_t(~bgr[0]);
    bgr[1] = uint8_t(~bgr[1]);
    bgr[2] = uint8_t(~bgr[2]);
}

}  // namespace

PreviewBuild buildPreviewDisplay(const Picture& picture, int32_t zoom, bool frame, PreviewDisplay& out) {
    // The buffers of an earlier build are reused: a refresh after each click then
    // costs no fresh pages.
    std::vector<uint8_t> tileRows = std::move(out.tileRows);
    std::vector<uint8_t> pixels = std::move(out.pixels);
    out = PreviewDisplay();
    zoom = clampViewZoom(zoom);
    out.zoom = zoom;
    out.pictureWidth = std::max(picture.width, 0);
    out.pictureHeight = std::max(picture.height, 0);
    out.copyWidth = out.pictureWidth / zoom;
    out.copyHeight = out.pictureHeight / zoom;
    const int64_t width = roundUpToFour(int64_t(out.copyWidth) * 3);
    const int64_t height = int64_t(out.copyHeight) * 3;
    if (width * height > kMaxPreviewPixels) {
        out = PreviewDisplay();
        return PreviewBuild::TooLarge;
    }
    out.width = int32_t(width);
    out.height = int32_t(height);
    out.stride = size_t(width) * 3;
    if (out.empty() || !picture.pixels) return PreviewBuild::Built;

    try {
        // Zeroed, for the padding columns; every other byte is written below.
        tileRows.assign(out.stride * size_t(out.copyHeight), 0);
        pixels.resize(out.stride * size_t(out.height));
        out.tileRows = std::move(tileRows);
        out.pixels = std::move(pixels);
    } catch (const std::bad_alloc&) {
        out = PreviewDisplay();
        return PreviewBuild::TooLarge;
    }

    const size_t copyBytes = size_t(out.copyWidth) * 3;
    // Row i of the copy is picture row i * zoom, every zoom-th pixel; every point read
    // lies inside the picture, where the wrap is the identity.
    parallelRows(out.copyHeight, kViewRowsPerBand, [&](int64_t begin, int64_t end) {
        for (int32_t i = int32_t(begin); i < int32_t(end); ++i) {
            uint8_t* row = out.tileRows.data() + size_t(i) * out.stride;
            sampleViewRow(picture, zoom, i, out.copyWidth, row, ViewCell::Bgr);
            if (frame) {
                invert(row);
                if (i == 0) {
                    for (int32_t j = 0; j < out.copyWidth; ++j) invert(row + size_t(j) * 3);
                }
            }
            std::memcpy(row + copyBytes, row, copyBytes);
            std::memcpy(row + 2 * copyBytes, row, copyBytes);
        }
    });
    rebuildDisplay(out);
    return PreviewBuild::Built;
}

void rebuildDisplay(PreviewDisplay& display) {
    if (display.tileRows.empty()) return;
    const size_t band = display.tileRows.size();
    const size_t stride = display.stride;
    const int64_t rows = int64_t(band / stride);
    parallelRows(3 * rows, kViewRowsPerBand, [&](int64_t begin, int64_t end) {
        for (int64_t r = begin; r < end; ++r)
            std::memcpy(display.pixels.data() + size_t(r) * stride, display.tileRows.data() + size_t(r % rows) * stride,
                        stride);
    });
}

std::vector<uint8_t> shownRgb(const PreviewDisplay& display) {
    const int32_t w = display.shownWidth();
    const int32_t h = display.shownHeight();
    std::vector<uint8_t> rgb;
    if (display.empty() || display.pixels.empty()) return rgb;
    rgb.resize(size_t(w) * size_t(h) * 3);
    uint8_t* dst = rgb.data();
    for (int32_t y = 0; y < h; ++y) {
        const uint8_t* src = display.pixel(0, y);
        for (int32_t x = 0; x < w; ++x, src += 3, dst += 3) {
            dst[0] = src[2];
            dst[1] = src[1];
            dst[2] = src[0];
        }
    }
    return rgb;
}
