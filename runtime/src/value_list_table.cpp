#include "table_fill.h"

void fillValueListTable(ValueListTable* table)
{
    *table = ValueListTable{};
    table->size = sizeof(ValueListTable);
}
