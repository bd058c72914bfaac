// Placeholder until the family lands: the size is set, the slots stay null.
#include "table_fill.h"

void fillJpegTable(JpegTable* table)
{
    *table = JpegTable{};
    table->size = sizeof(JpegTable);
}
