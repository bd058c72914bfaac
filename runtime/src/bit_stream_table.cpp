// Placeholder until the family lands: the size is set, the slots stay null.
#include "table_fill.h"

void fillBitStreamTable(BitStreamTable* table)
{
    *table = BitStreamTable{};
    table->size = sizeof(BitStreamTable);
}
