// The two-entry table that keeps the root's layout fixed; nothing calls it.
#include "entry_guard.h"
#include "table_fill.h"

namespace {
RtWord reservedNothing() { return 0; }
}  // namespace

void fillReservedTable(ReservedTable* table) {
    using tolvanea::guarded;
    table->size = sizeof(ReservedTable);
    table->reserved1 = guarded<reservedNothing>;
    table->reserved2 = guarded<reservedNothing>;
}
