#include "table_fill.h"

void fillTextReaderTable(TextReaderTable* table)
{
    *table = TextReaderTable{};
    table->size = sizeof(TextReaderTable);
}
