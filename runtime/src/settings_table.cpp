#include "table_fill.h"

void fillSettingsTable(SettingsTable* table)
{
    *table = SettingsTable{};
    table->size = sizeof(SettingsTable);
}
