// Placeholder until the family lands: the size is set, the slots stay null.
#include "table_fill.h"

void fillGeometryTable(GeometryTable* table)
{
    *table = GeometryTable{};
    table->size = sizeof(GeometryTable);
}
