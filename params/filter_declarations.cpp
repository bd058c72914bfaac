#include <string>

#include "filters/make_seamless.h"
#include "filters/noise_filter.h"
#include "filters/sharpen_filter.h"
#include "params/declarations.h"

using K = FieldKind;
using I = ConfigurationItem;

const BlockDeclaration& noiseDeclaration() {
    using B = NoiseParams;
    static const BlockDeclaration d{
        "noise",
        {
            {.name = "monochrome",
             .kind = K::Flag,
             .access = fieldOf<B, &B::monochrome>(),
             .controlId = 1036,
             .label = "Monochromatique",
             .tooltip = "Checked: one offset for the red, green and blue of a pixel (brightness only); unchecked: "
                        "one offset per channel",
             .place = {.row = 0, .span = 3},
             .checkedOnlyAtOne = true,
             .argument = {"MONO", 0, 1, ArgumentForm::ZeroOrOne},
             .stored = {I::Noise, 0}},
            {.name = "noisePercent",
             .kind = K::Byte,
             .access = fieldOf<B, &B::noisePercent>(),
             .controlId = 1035,
             .label = "%",
             .tooltip = "Amplitude of the noise in percent of 255: each channel moves by less than this (0..100; "
                        "kept as the low 8 bits of what is typed)",
             .place = {.row = 1, .column = 1, .labelColumn = 2},
             .argument = {"PERCENT", 0, 0},
             .stored = {I::Noise, 1}},
            {.name = "padding", .kind = K::Reserved, .access = fieldOf<B, &B::padding>(), .stored = {I::Noise, 2}},
            {.name = "seed",
             .kind = K::Number,
             .access = fieldOf<B, &B::seed>(),
             .controlId = 1037,
             .label = "Germe : ",
             .tooltip = "Seed of the random noise: the same seed gives the same noise; 0 seeds with the clock",
             .place = {.row = 2, .column = 1, .labelColumn = 0},
             .argument = {"SEED", 0, 2},
             .stored = {I::Noise, 3}},
        },
        {},
        {{"noise", "noise below PERCENT of 255 (low 8 bits); MONO 1: one offset for R, G, B; SEED 0: clock",
          "PERCENT and SEED are whole numbers, MONO is 0 or 1"}},
    };
    return d;
}

const BlockDeclaration& sharpenDeclaration() {
    using B = SharpenParams;
    static const BlockDeclaration d{
        "sharpen",
        {
            {.name = "sharpenPercent",
             .kind = K::Percentage,
             .access = fieldOf<B, &B::sharpenPercent>(),
             .controlId = 1003,
             .label = "%",
             .tooltip = "Strength of the sharpening in percent (0..100); OK refuses other values",
             .place = {.row = 0, .labelColumn = 1},
             .digitsOnly = false,
             .readChars = 9,
             .argument = {"PERCENT", 0, 0},
             .stored = {I::Sharpen, 0}},
        },
        {},
        {{"sharpen", "3 x 3 sharpen, strength 0..100; in connectable mode across the edges too",
          "the strength is a whole number from 0 to 100"}},
    };
    return d;
}

namespace {

const char* const kPeriodicTip =
    "Keeps every fine detail and the sharpness of the picture; only a smooth shading, spread over the whole "
    "picture, evens out the edges. Pick it for photographs and for anything with lines, letters or a clear "
    "structure. A strong light fall-off across the picture comes out flatter.";
const char* const kBlendTip =
    "Keeps the contrast and the colours everywhere by mixing the picture with a copy of itself shifted by half "
    "its size. Pick it for irregular textures such as grass, gravel, sand or clouds, where a second copy of a "
    "stone or a blade does not show; on lines and objects it shows ghost doubles.";

}  // namespace

const BlockDeclaration& seamlessDeclaration() {
    using B = SeamlessOptions;
    static const std::string methodTip = std::string("Periodic: ") + kPeriodicTip + "\n\nBlend: " + kBlendTip;
    static const BlockDeclaration d{
        "make seamless",
        {
            {.name = "method",
             .kind = K::Choice,
             .access = fieldOf<B, &B::method>(),
             .controlName = "method",
             .label = "Method",
             .tooltip = methodTip.c_str(),
             .choices = {{"periodic", "Periodic (keeps detail)", kPeriodicTip},
                         {"blend", "Blend (keeps contrast)", kBlendTip}},
             .settingsKey = "makeseamlessmethod",
             .argument = {"METHOD", 0, 0, ArgumentForm::Choice}},
            {.name = "axes",
             .kind = K::Choice,
             .access = fieldOf<B, &B::axes>(),
             .controlName = "axes",
             .label = "Axes",
             .tooltip = "Both: the picture tiles in every direction. Horizontal only: the left and right edges meet, "
                        "for strips, borders and side-scrolling backgrounds. Vertical only: the top and bottom edges "
                        "meet.",
             .choices = {{"both", "Both"}, {"x", "Horizontal only"}, {"y", "Vertical only"}},
             .settingsKey = "makeseamlessaxes",
             .argument = {"AXES", 0, 1, ArgumentForm::Choice}},
        },
        {},
        {{"make-seamless",
          "make the picture tile: periodic keeps the detail, blend the contrast; along both axes, x or y",
          "METHOD is periodic or blend, AXES is both, x or y"}},
    };
    return d;
}
