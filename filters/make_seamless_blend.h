#pragma once
#include <cstdint>

#include "core/picture.h"

// The blend of Make Seamless along one axis of n pixels: the picture u is blended with
// its copy v shifted by h = n / 2, v(j) = u((j + h) mod n). The weight w of u falls
// linearly to 0 at the wrapped edges (half a pixel outside each) and rises to 1 at v's
// own seam (between columns n - h - 1 and n - h), so u hides v's seam and v hides u's.
// For an odd n the two ramps are n - h and h pixels long.
double seamlessBlendWeight(int32_t j, int32_t n);

// Replaces the picture by the variance-keeping blend
// m + (w (u - m) + (1 - w)(v - m)) / sqrt(w^2 + (1 - w)^2) per channel, m the channel's
// mean; with both axes, the same along x and then along y, rounded once at the end.
// Alpha becomes 255. Needs both sides of at least 4. Works in place through two rows a
// thread, except along an odd height, which takes a second plane; when its memory
// cannot be had, std::bad_alloc leaves the picture as it was.
void seamlessBlend(Picture& picture, bool alongX, bool alongY);
