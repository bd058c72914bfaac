#include "compositing/copy_block.h"

#include <algorithm>
#include <cstring>

void copyBlock(const uint8_t* source, int32_t sourceWidth, int32_t sourceHeight, uint8_t* destination,
               int32_t destinationWidth, int32_t destinationHeight, int64_t x0, int64_t y0, int32_t columns,
               int32_t rows) {
    // Destination columns c whose source column x0 + c exists, within both blocks.
    const int64_t firstCol = std::max<int64_t>(0, -x0);
    const int64_t endCol = std::min<int64_t>({int64_t(columns), int64_t(destinationWidth), sourceWidth - x0});
    if (firstCol >= endCol) return;
    const int64_t endRow = std::min<int64_t>(rows, destinationHeight);
    for (int64_t row = std::max<int64_t>(0, -y0); row < endRow; ++row) {
        const int64_t sy = y0 + row;
        if (sy >= sourceHeight) break;
        std::memcpy(destination + (size_t(row) * size_t(destinationWidth) + size_t(firstCol)) * 4,
                    source + (size_t(sy) * size_t(sourceWidth) + size_t(x0 + firstCol)) * 4,
                    size_t(endCol - firstCol) * 4);
    }
}
