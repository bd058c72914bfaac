#include "table_fill.h"

void fillBoundedListTable(BoundedListTable* table)
{
    *table = BoundedListTable{};
    table->size = sizeof(BoundedListTable);
}
