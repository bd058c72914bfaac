#include "entry_guard.h"
#include "table_fill.h"
#include "text_reader.h"

void fillTextReaderTable(TextReaderTable* table) {
    using namespace tolvanea;
    table->size = sizeof(TextReaderTable);
    table->openReader = guarded<openReader>;
    table->resetReader = guarded<resetReader>;
    table->readReaderChar = guarded<readReaderChar>;
    table->readReaderLine = guarded<readReaderLine>;
    table->closeReader = guarded<closeReader>;
}
