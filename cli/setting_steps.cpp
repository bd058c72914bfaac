#include <cstdint>

#include "cli/arguments.h"
#include "cli/declared_steps.h"
#include "cli/step_table.h"
#include "core/paint_settings.h"
#include "generators/palette.h"
#include "generators/palette_file.h"
#include "params/declarations.h"
#include "params/parameter_blocks.h"

void registerSettingSteps(StepTable& table) {
    table.add(declaredStep({"seed",
                            "every later operation seeds with N where it would read the clock",
                            "",
                            {{"N", 0, ArgumentForm::Number64}}},
                           [](CliContext& c, const std::vector<std::string>& a) {
                               c.ui.setSeed(*parseInt64(a[0]));
                               return true;
                           }));

    const BlockDeclaration& settings = paintSettingsDeclaration();
    table.add(declaredStep(settings, 1, [](CliContext&, const std::vector<std::string>& a) {
        storeArguments(paintSettingsDeclaration(), 1, a, &paintSettings());
        takePaintSettingsIntoConfigParams();  // as the Configuration dialog's OK
        return true;
    }));

    for (int step : {0, 2}) {
        table.add(declaredStep(settings, step, [step](CliContext&, const std::vector<std::string>& a) {
            storeArguments(paintSettingsDeclaration(), step, a, &paintSettings());
            return true;
        }));
    }

    table.add(declaredStep(
        {"palette", "draw shape colours from a palette file; off goes back to random colours", "", {{"FILE.vpal|off"}}},
        [](CliContext& c, const std::vector<std::string>& a) {
            if (a[0] == "off") {
                paintSettings().paletteOff = 1;
                return true;
            }
            if (!loadPaletteFile(a[0], currentPalette())) return c.refuse("Cannot read palette file " + a[0]);
            paintSettings().paletteOff = 0;
            return true;
        }));
}
