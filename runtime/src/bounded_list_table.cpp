#include "bounded_list.h"
#include "table_fill.h"

void fillBoundedListTable(BoundedListTable* table)
{
    using namespace tolvanea;
    table->size = sizeof(BoundedListTable);
    table->createBoundedList = createBoundedList;
    table->destroyBoundedList = destroyBoundedList;
    table->pushBounded = pushBounded;
    table->dropLastBounded = dropLastBounded;
    table->popLastBounded = popLastBounded;
    table->boundedCount = boundedCount;
    table->boundedItemAt = boundedItemAt;
    table->clearBounded = clearBounded;
}
