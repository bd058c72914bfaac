#include "core/blend_level.h"

#include "core/paint_settings.h"
#include "core/random_sequence.h"

uint8_t blendLevelForPercent(int32_t percent) {
    const double level = static_cast<double>(percent) / 100.0 * 255.0;
    return static_cast<uint8_t>(static_cast<int64_t>(level) & 0xFF);
}

void pickBlendLevel() {
    PaintSettings& s = paintSettings();
    const int32_t from = s.mixFromPercent;
    const int32_t d = int32_t(s.mixToPercent) - from;
    const int32_t p = d > 0 ? from + nextRandom() % d : int32_t(s.mixToPercent);
    s.blendLevel = blendLevelForPercent(p);
}
