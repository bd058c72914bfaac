#pragma once
#include <string>

#include "core/picture.h"

// How visible the wrap-around seam of one axis is: the mean absolute channel
// difference across the wrap (last column against the first, or last row against the
// first) over the mean absolute difference between neighbouring columns (rows)
// inside the picture. About 1 means the seam looks like any other column; a
// photograph that was never made connectable gives far more.
struct SeamAxis {
    double wrap = 0.0;    // mean |difference| across the wrap
    double inside = 0.0;  // mean |difference| between neighbours inside
    // wrap / inside; 1 when the inside is flat (then so is the wrap: a picture whose
    // neighbouring lines are all equal has equal first and last lines).
    double ratio = 1.0;
};

struct SeamMeasure {
    SeamAxis columns;  // left and right edges meeting
    SeamAxis rows;     // top and bottom edges meeting
};

SeamMeasure seamMeasure(const Picture& picture);

// One axis as text: "NAME RATIO (wrap WRAP, inside INSIDE)", the ratio with
// `ratioDigits` decimals and the two means with `meanDigits`.
std::string seamAxisText(const char* name, const SeamAxis& axis, int ratioDigits, int meanDigits);
