#include "core/paint_settings.h"
#include "params/declarations.h"
#include "params/parameter_blocks.h"

using K = FieldKind;
using I = ConfigurationItem;

const BlockDeclaration& paintSettingsDeclaration() {
    using B = PaintSettings;
    static const BlockDeclaration d{
        "paint settings",
        {
            {.name = "connectable",
             .kind = K::Flag,
             .access = fieldOf<B, &B::connectable>(),
             .controlId = 1014,
             .label = "Connectable",
             .tooltip = "Checked: drawing wraps around the edges, so that the picture tiles without a seam",
             .place = {.row = 0},
             .argument = {"on|off", 1, 0, ArgumentForm::OnOff},
             .stored = {I::Configuration, 1}},
            {.name = "mixFromPercent",
             .kind = K::Byte,
             .access = fieldOf<B, &B::mixFromPercent>(),
             .controlId = 1034,
             .label = "From : ",
             .tooltip = "Lowest opacity of a new shape, in percent (0..100; kept as the low 8 bits of what is typed)",
             .readChars = 31,
             .argument = {"FROM", 0, 0},
             .stored = {I::MixRange, 0}},
            {.name = "mixToPercent",
             .kind = K::Byte,
             .access = fieldOf<B, &B::mixToPercent>(),
             .controlId = 1033,
             .label = "To : ",
             .tooltip = "Highest opacity of a new shape, in percent (0..100; kept as the low 8 bits of what is typed)",
             .readChars = 31,
             .argument = {"TO", 0, 1},
             .stored = {I::MixRange, 1}},
            {.name = "blendColor",
             .kind = K::Color,
             .access = fieldOf<B, &B::blendColor>(),
             .tooltip = "Colour made transparent in stamped pictures that have no transparency of their own",
             .noneValue = PaintSettings::kNoBlendColor,
             .argument = {"RRGGBB|none", 2, 0, ArgumentForm::Color},
             .stored = {I::BlendColor, 0}},
            {.name = "rotationAntiAlias",
             .kind = K::Flag,
             .access = fieldOf<B, &B::rotationAntiAlias>(),
             .controlId = 1053,
             .label = "Rotation Anti Alias (Fast Speed if unchecked)",
             .tooltip = "Checked: turned tags and discs are anti-aliased; unchecked: turned the fast way",
             .section = 2,  // the Tools group of the configuration dialog
             .place = {.row = 0},
             .argument = {"on|off", 3, 0, ArgumentForm::OnOff},
             .stored = {I::Configuration, 4}},
        },
        {"%"},
        {{"mix", "the percentage mix range of new shapes (low 8 bits of each, as typed)"},
         {"connectable", "wrap drawing around the edges (on) or clip it (off)"},
         {"blend-color", "the colour made transparent in stamped pictures, or none"},
         {"anti-alias", "turn stamps and discs with anti-aliasing (on) or fast (off)"}},
    };
    return d;
}

const BlockDeclaration& configurationDeclaration() {
    using B = ConfigParams;
    static const BlockDeclaration d{
        "configuration",
        {
            {.name = "configBlendColor",
             .kind = K::Color,
             .access = fieldOf<B, &B::configBlendColor>(),
             .controlId = 1012,
             .label = "BlendColor : ",
             .tooltip = "Colour made transparent in stamped pictures that have no transparency of their own; click "
                        "to choose it",
             .place = {.row = 1},
             .noneLabel = "No blend color",
             .noneControlId = 1038,
             .noneValue = PaintSettings::kNoBlendColor,
             .stored = {I::Configuration, 0}},
            {.name = "configMixFrom",
             .kind = K::Byte,
             .access = fieldOf<B, &B::configMixFrom>(),
             .controlId = 1039,
             .label = "From : ",
             .tooltip = "Lowest opacity of a new shape, in percent (0..100; kept as the low 8 bits of what is typed)",
             .section = 1,
             .readChars = 31,
             .stored = {I::Configuration, 2}},
            {.name = "configMixTo",
             .kind = K::Byte,
             .access = fieldOf<B, &B::configMixTo>(),
             .controlId = 1040,
             .label = "To : ",
             .tooltip = "Highest opacity of a new shape, in percent (0..100; kept as the low 8 bits of what is typed)",
             .section = 1,
             .readChars = 31,
             .stored = {I::Configuration, 3}},
        },
        {"", "% Mixage", "Tools"},
    };
    return d;
}

const BlockDeclaration& newPictureDeclaration() {
    using B = NewPictureParams;
    static const BlockDeclaration d{
        "new picture",
        {
            {.name = "pictureWidth",
             .kind = K::Number,
             .access = fieldOf<B, &B::pictureWidth>(),
             .controlId = 1000,
             .label = "X : ",
             .tooltip = "Width of the new picture, in pixels (at least 4)",
             .place = {.row = 0, .column = 1, .labelColumn = 0},
             .readChars = 31,
             .argument = {"W", 0, 0},
             .stored = {I::NewPicture, 0}},
            {.name = "pictureHeight",
             .kind = K::Number,
             .access = fieldOf<B, &B::pictureHeight>(),
             .controlId = 1001,
             .label = "Y :",
             .tooltip = "Height of the new picture, in pixels (at least 4)",
             .place = {.row = 1, .column = 1, .labelColumn = 0},
             .readChars = 31,
             .argument = {"H", 0, 1},
             .stored = {I::NewPicture, 1}},
            {.name = "reserved",
             .kind = K::Reserved,
             .access = fieldOf<B, &B::reserved>(),
             .stored = {I::NewPicture, 2}},
        },
        {},
        {{"new", "a new opaque white picture of W x H pixels (at least 4 x 4)"}},
    };
    return d;
}

const std::vector<const BlockDeclaration*>& allDeclarations() {
    static const std::vector<const BlockDeclaration*> all{
        &circleDeclaration(),    &rectangleDeclaration(),      &polygonDeclaration(),       &vectorDeclaration(),
        &noiseDeclaration(),     &sharpenDeclaration(),        &tagDeclaration(),           &circleMixDeclaration(),
        &tagInsertDeclaration(), &paintSettingsDeclaration(),  &configurationDeclaration(), &newPictureDeclaration(),
        &seamlessDeclaration(),  &pngCompressionDeclaration(),
    };
    return all;
}
