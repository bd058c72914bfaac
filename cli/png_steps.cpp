#include <string>

#include "cli/step_table.h"
#include "exchange/png_compression.h"

// The compression of PNG files written by later saves.
void registerPngSteps(StepTable& table) {
    table.add({"png-compression", 1, "png-compression fast|small",
               "how later saves compress PNG files: fast (the default) or small (slower, smaller files)",
               [](const std::vector<std::string>& a) { return pngCompressionFromWord(a[0]) ? -1 : 0; },
               [](CliContext&, const std::vector<std::string>& a) {
                   pngCompression() = *pngCompressionFromWord(a[0]);
                   return true;
               }});
}
