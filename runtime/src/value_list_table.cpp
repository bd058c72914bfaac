#include "table_fill.h"
#include "value_list.h"

void fillValueListTable(ValueListTable* table)
{
    using namespace tolvanea;
    table->size = sizeof(ValueListTable);
    table->popFirstValue = popFirstValue;
    table->swapWithPrevious = swapWithPrevious;
    table->swapWithNext = swapWithNext;
    table->swapWords = swapWords;
    table->isLastNode = isLastNode;
    table->appendValue = appendValue;
    table->insertValueBefore = insertValueBefore;
    table->appendValueNode = appendValue;
    table->nextValue = nextValue;
    table->nodeAt = nodeAt;
    table->valueAt = valueAt;
    table->lastNode = lastNode;
    table->previousValue = previousValue;
    table->countValues = countValues;
    table->removeValue = removeValue;
    table->destroyValueList = destroyValueList;
    table->containsValue = containsValue;
    table->appendUniqueValue = appendUniqueValue;
    table->copyValueList = copyValueList;
    table->reversedValueList = reversedValueList;
    table->firstValue = firstValue;
    table->lastValue = lastValue;
}
