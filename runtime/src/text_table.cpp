#include "entry_guard.h"
#include "table_fill.h"
#include "text_utilities.h"
#include "wildcard_match.h"

void fillTextTable(TextTable* table) {
    using namespace tolvanea;
    table->size = sizeof(TextTable);
    table->splitText = guarded<splitText>;
    table->wideToNarrow = guarded<wideToNarrow>;
    table->narrowToWide = guarded<narrowToWide>;
    table->upperWideChar = guarded<upperWideChar>;
    table->upperWideText = guarded<upperWideText>;
    table->matchWildcard = guarded<matchWildcard>;
}
