#include "exchange/png_compression.h"
#include "params/declarations.h"

const BlockDeclaration& pngCompressionDeclaration() {
    static const BlockDeclaration d{
        "png compression",
        {
            {.name = "compression",
             .kind = FieldKind::Choice,
             .access = {.get = [](const void* b) { return int64_t(*static_cast<const PngCompression*>(b)); },
                        .set = [](void* b, int64_t v) { *static_cast<PngCompression*>(b) = PngCompression(v); }},
             .label = "PNG compression:",
             .tooltip = "Fast writes PNG files quickly; Small takes longer to make them as small as it can",
             .choices = {{"fast", "Fast"}, {"small", "Small"}},
             .settingsKey = "pngcompression",
             .keptAsWord = true,
             .argument = {"fast|small", 0, 0, ArgumentForm::Choice}},
        },
        {},
        {{"png-compression",
          "how later saves compress PNG files: fast (the default) or small (slower, smaller files)"}},
    };
    return d;
}
