#include "table_fill.h"
#include "text_reader.h"

void fillTextReaderTable(TextReaderTable* table)
{
    using namespace tolvanea;
    table->size = sizeof(TextReaderTable);
    table->openReader = openReader;
    table->resetReader = resetReader;
    table->readReaderChar = readReaderChar;
    table->readReaderLine = readReaderLine;
    table->closeReader = closeReader;
}
