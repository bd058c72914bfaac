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
             .argument = {"PERCENT", 0, 0},
             .stored = {I::Noise, 1}},
            {.name = "padding", .kind = K::Reserved, .access = fieldOf<B, &B::padding>(), .stored = {I::Noise, 2}},
            {.name = "seed",
             .kind = K::Number,
             .access = fieldOf<B, &B::seed>(),
             .controlId = 1037,
             .label = "Germe : ",
             .tooltip = "Seed of the random noise: the same seed gives the same noise; 0 seeds with the clock",
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
