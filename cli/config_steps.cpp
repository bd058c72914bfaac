#include <string>

#include "cli/declared_steps.h"
#include "cli/step_table.h"
#include "params/configuration_file.h"

void registerConfigSteps(StepTable& table) {
    table.add(declaredStep({"config",
                            "load a configuration file (.vscfg): paint settings, every dialog's values and lists",
                            "",
                            {{"FILE"}}},
                           [](CliContext& c, const std::vector<std::string>& a) {
                               switch (loadConfigurationGuarded(a[0], a[0], c.ui)) {
                               case ConfigurationLoad::Loaded:
                                   return true;
                               case ConfigurationLoad::NotOpened:
                                   // The window passes over a missing file; a script names one on purpose.
                                   return c.refuse(configurationOpenError(a[0]));
                               default:
                                   return false;  // the reader has said why
                               }
                           }));

    table.add(declaredStep({"save-config",
                            "save the paint settings and every dialog's values as the window's \"Save ...\" does",
                            "",
                            {{"FILE"}}},
                           [](CliContext& c, const std::vector<std::string>& a) {
                               std::string error;
                               if (saveConfiguration(a[0], &error)) return true;
                               return c.refuse(configurationSaveError(a[0], error));
                           }));
}
