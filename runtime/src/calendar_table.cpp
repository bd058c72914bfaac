// Placeholder until the family lands: the size is set, the slots stay null.
#include "table_fill.h"

void fillCalendarTable(CalendarTable* table)
{
    *table = CalendarTable{};
    table->size = sizeof(CalendarTable);
}
