#include <cstdint>

#include "cli/arguments.h"
#include "cli/step_table.h"
#include "core/paint_settings.h"
#include "generators/palette.h"
#include "generators/palette_file.h"
#include "params/parameter_blocks.h"

void registerSettingSteps(StepTable& table) {
    table.add({"seed", 1, "seed N", "every later operation seeds with N where it would read the clock",
               [](const std::vector<std::string>& a) { return parseInt64(a[0]) ? -1 : 0; },
               [](CliContext& c, const std::vector<std::string>& a) {
                   c.ui.setSeed(*parseInt64(a[0]));
                   return true;
               }});

    table.add({"connectable", 1, "connectable on|off", "wrap drawing around the edges (on) or clip it (off)",
               [](const std::vector<std::string>& a) { return parseOnOff(a[0]) ? -1 : 0; },
               [](CliContext&, const std::vector<std::string>& a) {
                   paintSettings().connectable = *parseOnOff(a[0]) ? 1 : 0;
                   takePaintSettingsIntoConfigParams();  // as the Configuration dialog's OK
                   return true;
               }});

    table.add({"mix", 2, "mix FROM TO", "the percentage mix range of new shapes (low 8 bits of each, as typed)",
               allInt32(), [](CliContext&, const std::vector<std::string>& a) {
                   paintSettings().mixFromPercent = static_cast<uint8_t>(*parseInt32(a[0]) & 0xFF);
                   paintSettings().mixToPercent = static_cast<uint8_t>(*parseInt32(a[1]) & 0xFF);
                   return true;
               }});

    table.add({"blend-color", 1, "blend-color RRGGBB|none", "the colour made transparent in stamped pictures, or none",
               [](const std::vector<std::string>& a) { return (a[0] == "none" || parseHexColour(a[0])) ? -1 : 0; },
               [](CliContext&, const std::vector<std::string>& a) {
                   paintSettings().blendColor = a[0] == "none" ? PaintSettings::kNoBlendColor : *parseHexColour(a[0]);
                   return true;
               }});

    table.add({"palette", 1, "palette FILE.vpal|off",
               "draw shape colours from a palette file; off goes back to random colours",
               [](const std::vector<std::string>& a) { return a[0].empty() ? 0 : -1; },
               [](CliContext& c, const std::vector<std::string>& a) {
                   if (a[0] == "off") {
                       paintSettings().paletteOff = 1;
                       return true;
                   }
                   if (!loadPaletteFile(a[0], currentPalette())) return c.refuse("Cannot read palette file " + a[0]);
                   paintSettings().paletteOff = 0;
                   return true;
               }});
}
