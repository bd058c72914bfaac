#include "table_fill.h"

void fillTextTable(TextTable* table)
{
    *table = TextTable{};
    table->size = sizeof(TextTable);
}
