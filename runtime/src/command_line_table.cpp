#include "command_line_options.h"
#include "entry_guard.h"
#include "table_fill.h"

void fillCommandLineTable(CommandLineTable* table) {
    using namespace tolvanea;
    table->size = sizeof(CommandLineTable);
    table->clearOptions = guarded<clearOptions>;
    table->parseCommandLine = guarded<parseCommandLine>;
    table->getOption = guarded<getOption>;
    table->isOptionTrue = guarded<isOptionTrue>;
    table->hasOption = guarded<hasOption>;
}
