#pragma once
#include <cstdint>
#include <vector>

#include "core/picture.h"
#include "filters/seam_measure.h"

// The sums behind the seam measure, kept so that a change to a small part of the
// picture updates them without measuring the whole picture again: the inside sums
// are corrected over the neighbour pairs the change can reach, and the wrap sums are
// taken again from the four edge lines alone.
struct SeamTally {
    int32_t width = 0;
    int32_t height = 0;
    uint64_t columnWrap = 0;    // |last column - first column|, every row, every channel
    uint64_t columnInside = 0;  // |column x + 1 - column x| inside
    uint64_t rowWrap = 0;
    uint64_t rowInside = 0;
};

// The whole picture's sums; seamMeasureOf() of it equals seamMeasure(picture).
SeamTally seamTally(const Picture& picture);
SeamMeasure seamMeasureOf(const SeamTally& tally);

// The rows and columns a change covers, folded into the picture (wrapping when
// `wrap` is set, clipped otherwise). Every changed pixel lies in a marked row and a
// marked column.
struct SeamRegion {
    std::vector<uint8_t> rows;     // one flag per picture row
    std::vector<uint8_t> columns;  // one flag per picture column
    bool any = false;
};
SeamRegion seamRegion(const Picture& picture, int64_t x, int64_t y, int64_t width, int64_t height, bool wrap);

// Inside sums of the neighbour pairs that touch the region.
struct SeamInsideSums {
    uint64_t columns = 0;
    uint64_t rows = 0;
};
SeamInsideSums seamInsideSums(const Picture& picture, const SeamRegion& region);

// After the picture changed within `region`: replaces the region's inside sums
// `before` (taken before the change) by the present ones and takes the wrap sums again.
void updateSeamTally(SeamTally& tally, const Picture& picture, const SeamRegion& region, const SeamInsideSums& before);
