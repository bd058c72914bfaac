#pragma once
#include <cstdint>

#include "compositing/circle_mix_params.h"
#include "compositing/tag_insert_params.h"
#include "compositing/tag_params.h"
#include "filters/noise_filter.h"
#include "filters/sharpen_filter.h"
#include "generators/circle_generator.h"
#include "generators/polygon_generator.h"
#include "generators/rectangle_generator.h"
#include "generators/vector_generator.h"

// Every dialog of the program is one instance for the whole run and keeps its values
// in one parameter block. The blocks live here, below the dialogs and the command
// line, so that a dialog's OK, a vospren-cli step and the configuration file all read
// and write the same record.

// Parameter block of the "New Picture" dialog.
struct NewPictureParams {
    int32_t pictureWidth = 512;   // "X"
    int32_t pictureHeight = 512;  // "Y"
    int32_t reserved = 0;         // not used; stored and loaded with the block
};

// Parameter block of the Configuration dialog: the blend color and mix range it
// offers, copies of PaintSettings refreshed every time the dialog opens and handed
// back on OK. Its two flags are PaintSettings.connectable and
// PaintSettings.rotationAntiAlias themselves, kept nowhere else; the stored block
// holds them between these fields (params/shell_declarations.cpp).
struct ConfigParams {
    uint32_t configBlendColor = 0x00FFFFFF;
    uint8_t configMixFrom = 100;
    uint8_t configMixTo = 100;
};

// What the Configuration dialog does on opening: takes the live blend color and mix
// range of PaintSettings into its block.
void takePaintSettingsIntoConfigParams();

CircleParams& circleParams();
RectangleParams& rectangleParams();
PolygonParams& polygonParams();
VectorParams& vectorParams();
TagParams& tagParams();
CircleMixParams& circleMixParams();
TagInsertParams& tagInsertParams();
NoiseParams& noiseParams();
SharpenParams& sharpenParams();
NewPictureParams& newPictureParams();
ConfigParams& configParams();

// Puts every block above back to its start-of-run values, lists emptied (tests and
// "start from scratch" paths; PaintSettings has resetPaintSettings()).
void resetParameterBlocks();
