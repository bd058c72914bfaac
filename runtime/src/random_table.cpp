// Placeholder until the family lands: the size is set, the slots stay null.
#include "table_fill.h"

void fillRandomTable(RandomTable* table)
{
    *table = RandomTable{};
    table->size = sizeof(RandomTable);
}
