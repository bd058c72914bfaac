// Placeholder until the family lands: the size is set, the slots stay null.
#include "table_fill.h"

void fillDigestTable(DigestTable* table)
{
    *table = DigestTable{};
    table->size = sizeof(DigestTable);
}
