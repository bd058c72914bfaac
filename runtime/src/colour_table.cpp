// Placeholder until the family lands: the size is set, the slots stay null.
#include "table_fill.h"

void fillColourTable(ColourTable* table)
{
    *table = ColourTable{};
    table->size = sizeof(ColourTable);
}
