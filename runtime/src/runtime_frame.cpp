// The library's single export and the process-wide tables it hands out.
#include <cstdlib>

#include "entry_guard.h"
#include "table_fill.h"

namespace {

// The tables live here for the library's whole lifetime; every root filled by
// HH points at these same records.
BoundedListTable boundedListTable;
DigestTable digestTable;
CommandLineTable commandLineTable;
FileTable fileTable;
ReservedTable reservedTable;
SettingsTable settingsTable;
ColourTable colorTable;
ValueListTable valueListTable;
CalendarTable calendarTable;
BitStreamTable bitStreamTable;
RandomTable randomTable;
JpegTable jpegTable;
GeometryTable geometryTable;
TextTable textTable;
TextReaderTable textReaderTable;

uint32_t runtimeVersion() { return RT_RUNTIME_VERSION; }

// Every block the library hands out comes from malloc.
RtBool runtimeFree(void* block) {
    std::free(block);
    return 1;
}

}  // namespace

extern "C" TOLVANEA_RUNTIME_EXPORT RtBool HH(RuntimeRoot* root) {
    fillBoundedListTable(&boundedListTable);
    fillDigestTable(&digestTable);
    fillCommandLineTable(&commandLineTable);
    fillFileTable(&fileTable);
    fillReservedTable(&reservedTable);
    fillSettingsTable(&settingsTable);
    fillColourTable(&colorTable);
    fillValueListTable(&valueListTable);
    fillCalendarTable(&calendarTable);
    fillBitStreamTable(&bitStreamTable);
    fillRandomTable(&randomTable);
    fillJpegTable(&jpegTable);
    fillGeometryTable(&geometryTable);
    fillTextTable(&textTable);
    fillTextReaderTable(&textReaderTable);

    root->size = sizeof(RuntimeRoot);
    root->runtimeVersion = tolvanea::guarded<runtimeVersion>;
    root->runtimeFree = tolvanea::guarded<runtimeFree>;
    root->boundedListTable = &boundedListTable;
    root->digestTable = &digestTable;
    root->commandLineTable = &commandLineTable;
    root->fileTable = &fileTable;
    root->reservedTable = &reservedTable;
    root->settingsTable = &settingsTable;
    root->colorTable = &colorTable;
    root->valueListTable = &valueListTable;
    root->calendarTable = &calendarTable;
    root->bitStreamTable = &bitStreamTable;
    root->randomTable = &randomTable;
    root->jpegTable = &jpegTable;
    root->geometryTable = &geometryTable;
    root->textTable = &textTable;
    root->textReaderTable = &textReaderTable;
    return 1;
}
