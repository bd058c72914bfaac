// JpegTable: JPEG coding in memory and the pixel-row helpers around it.
#include "entry_guard.h"
#include "jpeg_coding.h"
#include "pixel_rows.h"
#include "table_fill.h"

using namespace tolvanea;

namespace {

uint8_t* decodeJpeg(const void* data, uint32_t size, int32_t* width, int32_t* height) {
    return decodeJpegBlock(data, size, width, height);
}

// *written carries the block's capacity in and the stream's length out.
RtBool encodeJpeg(uint8_t* out, const uint8_t* pixels, uint32_t width, uint32_t height, RtBool color, int32_t quality,
                  uint32_t* written) {
    if (!written) return 0;
    JpegEncodeResult r = encodeJpegBlock(out, out ? *written : 0, pixels, width, height, color != 0, quality);
    // A stream past 4 GiB cannot be reported, nor can any block hold it.
    if (r.total > UINT32_MAX) {
        *written = UINT32_MAX;
        return 0;
    }
    *written = uint32_t(r.total);
    return r.ok;
}

RtBool readJpegSize(const void* data, uint32_t size, int32_t* width, int32_t* height) {
    return readJpegDimensions(data, size, width, height);
}

RtBool flipRows(uint8_t* block, uint32_t rowBytes, uint32_t rowCount) {
    if (!block) return 0;
    flipPixelRows(block, rowBytes, rowCount);
    return 1;
}

RtBool toGreyRows(uint8_t* block, uint32_t pixelsPerRow, uint32_t rowCount) {
    if (!block) return 0;
    greyPixelRows(block, pixelsPerRow, rowCount);
    return 1;
}

RtBool swapRedBlue(uint8_t* block, uint32_t pixelsPerRow, uint32_t rowCount) {
    if (!block) return 0;
    swapFirstAndThird(block, pixelsPerRow, rowCount);
    return 1;
}

}  // namespace

void fillJpegTable(JpegTable* table) {
    table->size = sizeof(JpegTable);
    table->decodeJpeg = guarded<decodeJpeg>;
    table->encodeJpeg = guarded<encodeJpeg>;
    table->readJpegSize = guarded<readJpegSize>;
    table->flipRows = guarded<flipRows>;
    table->toGreyRows = guarded<toGreyRows>;
    table->swapRedBlue = guarded<swapRedBlue>;
}
