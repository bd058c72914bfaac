#include "settings_list.h"
#include "table_fill.h"

void fillSettingsTable(SettingsTable* table)
{
    using namespace tolvanea;
    table->size = sizeof(SettingsTable);
    table->saveSettings = saveSettings;
    table->loadSettings = loadSettings;
    table->removeSetting = removeSetting;
    table->unused4 = nullptr;
    table->getSetting = getSetting;
    table->getSettingPair = getSettingPair;
    table->setSettingPair = setSettingPair;
    table->getSettingColour = getSettingColour;
    table->setSettingColour = setSettingColour;
    table->getSettingHex = getSettingHex;
    table->getSettingInt = getSettingInt;
    table->setSettingInt = setSettingInt;
    table->getSettingBool = getSettingBool;
    table->setSettingBool = setSettingBool;
    table->freeSettings = freeSettings;
}
