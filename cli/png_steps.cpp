#include <string>

#include "cli/declared_steps.h"
#include "cli/step_table.h"
#include "exchange/png_compression.h"
#include "params/declarations.h"

// The compression of PNG files written by later saves.
void registerPngSteps(StepTable& table) {
    table.add(declaredStep(pngCompressionDeclaration(), 0, [](CliContext&, const std::vector<std::string>& a) {
        storeArguments(pngCompressionDeclaration(), 0, a, &pngCompression());
        return true;
    }));
}
