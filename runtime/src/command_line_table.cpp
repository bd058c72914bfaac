#include "command_line_options.h"
#include "table_fill.h"

void fillCommandLineTable(CommandLineTable* table)
{
    using namespace tolvanea;
    table->size = sizeof(CommandLineTable);
    table->clearOptions = clearOptions;
    table->parseCommandLine = parseCommandLine;
    table->getOption = getOption;
    table->isOptionTrue = isOptionTrue;
    table->hasOption = hasOption;
}
