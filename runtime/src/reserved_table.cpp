// The two-entry table that keeps the root's layout fixed; nothing calls it.
#include "table_fill.h"

namespace {
RtWord reservedNothing() { return 0; }
}  // namespace

void fillReservedTable(ReservedTable* table)
{
    table->size = sizeof(ReservedTable);
    table->reserved1 = reservedNothing;
    table->reserved2 = reservedNothing;
}
