#include "entry_guard.h"
#include "table_fill.h"
#include "value_list.h"

void fillValueListTable(ValueListTable* table) {
    using namespace tolvanea;
    table->size = sizeof(ValueListTable);
    table->popFirstValue = guarded<popFirstValue>;
    table->swapWithPrevious = guarded<swapWithPrevious>;
    table->swapWithNext = guarded<swapWithNext>;
    table->swapWords = guarded<swapWords>;
    table->isLastNode = guarded<isLastNode>;
    table->appendValue = guarded<appendValue>;
    table->insertValueBefore = guarded<insertValueBefore>;
    table->appendValueNode = guarded<appendValue>;
    table->nextValue = guarded<nextValue>;
    table->nodeAt = guarded<nodeAt>;
    table->valueAt = guarded<valueAt>;
    table->lastNode = guarded<lastNode>;
    table->previousValue = guarded<previousValue>;
    table->countValues = guarded<countValues>;
    table->removeValue = guarded<removeValue>;
    table->destroyValueList = guarded<destroyValueList>;
    table->containsValue = guarded<containsValue>;
    table->appendUniqueValue = guarded<appendUniqueValue>;
    table->copyValueList = guarded<copyValueList>;
    table->reversedValueList = guarded<reversedValueList>;
    table->firstValue = guarded<firstValue>;
    table->lastValue = guarded<lastValue>;
}
