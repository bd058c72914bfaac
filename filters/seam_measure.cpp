#include "filters/seam_measure.h"

#include "filters/seam_tally.h"

SeamMeasure seamMeasure(const Picture& picture) { return seamMeasureOf(seamTally(picture)); }
