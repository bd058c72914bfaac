#include "table_fill.h"
#include "text_utilities.h"
#include "wildcard_match.h"

void fillTextTable(TextTable* table)
{
    using namespace tolvanea;
    table->size = sizeof(TextTable);
    table->splitText = splitText;
    table->wideToNarrow = wideToNarrow;
    table->narrowToWide = narrowToWide;
    table->upperWideChar = upperWideChar;
    table->upperWideText = upperWideText;
    table->matchWildcard = matchWildcard;
}
