#pragma once
#include <cstdint>

#include "core/picture.h"

// The part-clipboard lets a connectable picture be retouched across its seams in
// another program: the export adds a margin of one eighth of each side on every
// side, showing what lies past the opposite edge; the import takes one tenth of each
// side off every side and keeps the centre. For sides that are multiples of 8 the
// round trip gives the picture back at its own size.

struct PartMargins {
    int32_t x = 0;
    int32_t y = 0;
};

inline PartMargins partExportMargins(int32_t width, int32_t height) { return {width / 8, height / 8}; }
inline PartMargins partImportMargins(int32_t width, int32_t height) { return {width / 10, height / 10}; }

// The size the import checks before it crops: each side / 1.25, truncated.
inline int32_t partImportCheckedSide(int32_t side) { return int32_t(double(side) / 1.25); }

// The picture widened by its export margins. In connectable mode the margins wrap to
// the opposite edges. Otherwise a margin cell repeats the color last read in row
// order (the right margin its row's last pixel, the left margin the row above's last
// pixel), and the cells before the first picture row are white. Null when the
// larger picture cannot be made.
PicturePtr partExportPicture(const Picture& picture, bool connectable);

// The centre of an enlarged picture, without its import margins. Null when the
// picture cannot be made.
PicturePtr partImportCentre(const Picture& enlarged);
