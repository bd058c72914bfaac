#include <string>

#include "cli/declared_steps.h"
#include "cli/step_table.h"
#include "exchange/png_compression.h"

// The compression of PNG files written by later saves.
void registerPngSteps(StepTable& table) {
    const std::vector<const char*> words{pngCompressionWord(PngCompression::Fast),
                                         pngCompressionWord(PngCompression::Small)};
    table.add(declaredStep({"png-compression",
                            "how later saves compress PNG files: fast (the default) or small (slower, smaller files)",
                            "",
                            {{"fast|small", 0, ArgumentForm::Choice, words}}},
                           [](CliContext&, const std::vector<std::string>& a) {
                               pngCompression() = *pngCompressionFromWord(a[0]);
                               return true;
                           }));
}
