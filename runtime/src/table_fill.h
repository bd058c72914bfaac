// One fill function per service family. HH calls each of them on every call;
// a fill function writes the table's size and every slot, so repeating it is
// harmless.
#pragma once

#include "tolvanea/runtime.h"

void fillBoundedListTable(BoundedListTable* table);
void fillDigestTable(DigestTable* table);
void fillCommandLineTable(CommandLineTable* table);
void fillFileTable(FileTable* table);
void fillReservedTable(ReservedTable* table);
void fillSettingsTable(SettingsTable* table);
void fillColourTable(ColourTable* table);
void fillValueListTable(ValueListTable* table);
void fillCalendarTable(CalendarTable* table);
void fillBitStreamTable(BitStreamTable* table);
void fillRandomTable(RandomTable* table);
void fillJpegTable(JpegTable* table);
void fillGeometryTable(GeometryTable* table);
void fillTextTable(TextTable* table);
void fillTextReaderTable(TextReaderTable* table);
