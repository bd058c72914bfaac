#include "table_fill.h"

void fillFileTable(FileTable* table)
{
    *table = FileTable{};
    table->size = sizeof(FileTable);
}
