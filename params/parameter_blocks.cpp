#include "params/parameter_blocks.h"

#include "core/paint_settings.h"

namespace {

template <class Block>
Block& blockOf() {
    static Block block;
    return block;
}

}  // namespace

CircleParams& circleParams() { return blockOf<CircleParams>(); }
RectangleParams& rectangleParams() { return blockOf<RectangleParams>(); }
PolygonParams& polygonParams() { return blockOf<PolygonParams>(); }
VectorParams& vectorParams() { return blockOf<VectorParams>(); }
TagParams& tagParams() { return blockOf<TagParams>(); }
CircleMixParams& circleMixParams() { return blockOf<CircleMixParams>(); }
TagInsertParams& tagInsertParams() { return blockOf<TagInsertParams>(); }
NoiseParams& noiseParams() { return blockOf<NoiseParams>(); }
SharpenParams& sharpenParams() { return blockOf<SharpenParams>(); }
NewPictureParams& newPictureParams() { return blockOf<NewPictureParams>(); }
ConfigParams& configParams() { return blockOf<ConfigParams>(); }

void resetParameterBlocks() {
    circleParams() = {};
    rectangleParams() = {};
    polygonParams() = {};
    vectorParams() = {};
    tagParams() = {};
    circleMixParams() = {};
    tagInsertParams() = {};
    noiseParams() = {};
    sharpenParams() = {};
    newPictureParams() = {};
    configParams() = {};
}

void takePaintSettingsIntoConfigParams() {
    const PaintSettings& s = paintSettings();
    ConfigParams& p = configParams();
    p.configBlendColor = s.blendColor;
    p.configMixFrom = s.mixFromPercent;
    p.configMixTo = s.mixToPercent;
}
