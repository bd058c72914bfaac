#include "file_services.h"
#include "table_fill.h"
#include "wildcard_match.h"

void fillFileTable(FileTable* table)
{
    using namespace tolvanea;
    table->size = sizeof(FileTable);
    table->browseForFolder = browseForFolder;
    table->openForReading = openForReading;
    table->createForWriting = createForWriting;
    table->readBytes = readBytes;
    table->writeBytes = writeBytes;
    table->writeLine = writeLine;
    table->readLine = readLine;
    table->readNumberLine = readNumberLine;
    table->writeNumberLine = writeNumberLine;
    table->closeFile = closeFile;
    table->chooseFileToOpen = chooseFileToOpen;
    table->chooseFileToOpen2 = chooseFileToOpen;
    table->chooseFileToSave = chooseFileToSave;
    table->rewindFile = rewindFile;
    table->fileSize = fileSize;
    table->setBaseFolder = setBaseFolder;
    table->openForAppending = openForAppending;
    table->tempFilePath = tempFilePath;
    table->matchWildcard = matchWildcard;
    table->openTextForReading = openTextForReading;
    table->createTextForWriting = createTextForWriting;
    table->writeLine2 = writeLine;
    table->writeWideLine = writeWideLine;
    table->readWideLine = readWideLine;
    table->readLineUntilCR = readLineUntilCR;
    table->readSettingLine = readSettingLine;
    table->readWideSettingLine = readWideSettingLine;
    table->writeTextLine = writeTextLine;
    table->folderOfPath = folderOfPath;
    table->fileNameOfPath = fileNameOfPath;
    table->baseNameOfPath = baseNameOfPath;
    table->extensionOfPath = extensionOfPath;
    table->seekFromStart = seekFromStart;
    table->seekFromCurrent = seekFromCurrent;
}
