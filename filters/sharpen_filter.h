#pragma once
#include <cstdint>

#include "core/picture.h"

// The settings of the "Sharpen ..." command, kept for the whole run and saved with the
// configuration as 4 bytes.
struct SharpenParams {
    int32_t sharpenPercent = 0;  // strength; the dialog accepts 0..100
};
static_assert(sizeof(SharpenParams) == 4, "saved as a 4-byte block");

// The two lookup tables of the 3 x 3 sharpen kernel for a strength p:
// f = max(100 - p, 1), pos[v] = 800 v / f, neg[v] = (pos[v] - 8 v + 4) >> 3.
// A channel c with neighbours n becomes clamp((pos[c] - sum neg[n] + 4) >> 3).
struct SharpenTables {
    int32_t pos[256];
    int32_t neg[256];
};
SharpenTables sharpenTables(int32_t sharpenPercent);

// Sharpens every pixel that has eight neighbours inside the picture, from the values
// before the pass; the outermost rows and columns keep theirs. Results are written as
// putPixel would write them: blended into the old pixel with PaintSettings.blendLevel
// when that is not 255.
void sharpenRows(Picture* picture, int32_t sharpenPercent);

// Sharpens the picture. In connectable mode every pixel is sharpened, its neighbours past
// an edge being the pixels of the opposite edge, so the result still tiles; otherwise
// this is sharpenRows. Nothing happens without a picture.
// Both take row buffers of about 100 bytes per column before touching the picture; when
// those cannot be had, std::bad_alloc leaves the picture as it was.
void sharpenFilter(Picture* picture, int32_t sharpenPercent, bool connectable);
