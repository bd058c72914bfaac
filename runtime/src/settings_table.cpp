#include "entry_guard.h"
#include "settings_list.h"
#include "table_fill.h"

void fillSettingsTable(SettingsTable* table) {
    using namespace tolvanea;
    table->size = sizeof(SettingsTable);
    table->saveSettings = guarded<saveSettings>;
    table->loadSettings = guarded<loadSettings>;
    table->removeSetting = guarded<removeSetting>;
    table->unused4 = nullptr;
    table->getSetting = guarded<getSetting>;
    table->getSettingPair = guarded<getSettingPair>;
    table->setSettingPair = guarded<setSettingPair>;
    table->getSettingColour = guarded<getSettingColour>;
    table->setSettingColour = guarded<setSettingColour>;
    table->getSettingHex = guarded<getSettingHex>;
    table->getSettingInt = guarded<getSettingInt>;
    table->setSettingInt = guarded<setSettingInt>;
    table->getSettingBool = guarded<getSettingBool>;
    table->setSettingBool = guarded<setSettingBool>;
    table->freeSettings = guarded<freeSettings>;
}
