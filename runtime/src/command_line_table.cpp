#include "table_fill.h"

void fillCommandLineTable(CommandLineTable* table)
{
    *table = CommandLineTable{};
    table->size = sizeof(CommandLineTable);
}
