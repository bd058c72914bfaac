#include "filters/seam_measure.h"

#include <cstdio>

#include "filters/seam_tally.h"

SeamMeasure seamMeasure(const Picture& picture) { return seamMeasureOf(seamTally(picture)); }

std::string seamAxisText(const char* name, const SeamAxis& axis, int ratioDigits, int meanDigits) {
    char line[160];
    std::snprintf(line, sizeof line, "%s %.*f (wrap %.*f, inside %.*f)", name, ratioDigits, axis.ratio, meanDigits,
                  axis.wrap, meanDigits, axis.inside);
    return line;
}
