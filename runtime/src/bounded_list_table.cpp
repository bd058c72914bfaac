#include "bounded_list.h"
#include "entry_guard.h"
#include "table_fill.h"

void fillBoundedListTable(BoundedListTable* table) {
    using namespace tolvanea;
    table->size = sizeof(BoundedListTable);
    table->createBoundedList = guarded<createBoundedList>;
    table->destroyBoundedList = guarded<destroyBoundedList>;
    table->pushBounded = guarded<pushBounded>;
    table->dropLastBounded = guarded<dropLastBounded>;
    table->popLastBounded = guarded<popLastBounded>;
    table->boundedCount = guarded<boundedCount>;
    table->boundedItemAt = guarded<boundedItemAt>;
    table->clearBounded = guarded<clearBounded>;
}
