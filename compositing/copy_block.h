#pragma once
#include <cstdint>

// Copies `columns` x `rows` cells from the source, starting at its cell (x0, y0), to
// the destination starting at its cell (0, 0); cells that fall outside either block
// are skipped and leave the destination as it was.
void copyBlock(const uint8_t* source, int32_t sourceWidth, int32_t sourceHeight, uint8_t* destination,
               int32_t destinationWidth, int32_t destinationHeight, int64_t x0, int64_t y0, int32_t columns,
               int32_t rows);
