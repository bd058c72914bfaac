#include "entry_guard.h"
#include "file_services.h"
#include "table_fill.h"
#include "wildcard_match.h"

void fillFileTable(FileTable* table) {
    using namespace tolvanea;
    table->size = sizeof(FileTable);
    table->browseForFolder = guarded<browseForFolder>;
    table->openForReading = guarded<openForReading, RT_INVALID_HANDLE>;
    table->createForWriting = guarded<createForWriting, RT_INVALID_HANDLE>;
    table->readBytes = guarded<readBytes, 1>;
    table->writeBytes = guarded<writeBytes>;
    table->writeLine = guarded<writeLine>;
    table->readLine = guarded<readLine>;
    table->readNumberLine = guarded<readNumberLine>;
    table->writeNumberLine = guarded<writeNumberLine>;
    table->closeFile = guarded<closeFile>;
    table->chooseFileToOpen = guarded<chooseFileToOpen>;
    table->chooseFileToOpen2 = guarded<chooseFileToOpen>;
    table->chooseFileToSave = guarded<chooseFileToSave>;
    table->rewindFile = guarded<rewindFile, 0xFFFFFFFFu>;
    table->fileSize = guarded<fileSize, 0xFFFFFFFFu>;
    table->setBaseFolder = guarded<setBaseFolder>;
    table->openForAppending = guarded<openForAppending, RT_INVALID_HANDLE>;
    table->tempFilePath = guarded<tempFilePath>;
    table->matchWildcard = guarded<matchWildcard>;
    table->openTextForReading = guarded<openTextForReading, RT_INVALID_HANDLE>;
    table->createTextForWriting = guarded<createTextForWriting, RT_INVALID_HANDLE>;
    table->writeLine2 = guarded<writeLine>;
    table->writeWideLine = guarded<writeWideLine>;
    table->readWideLine = guarded<readWideLine>;
    table->readLineUntilCR = guarded<readLineUntilCR>;
    table->readSettingLine = guarded<readSettingLine>;
    table->readWideSettingLine = guarded<readWideSettingLine>;
    table->writeTextLine = guarded<writeTextLine>;
    table->folderOfPath = guarded<folderOfPath>;
    table->fileNameOfPath = guarded<fileNameOfPath>;
    table->baseNameOfPath = guarded<baseNameOfPath>;
    table->extensionOfPath = guarded<extensionOfPath>;
    table->seekFromStart = guarded<seekFromStart, 0xFFFFFFFFu>;
    table->seekFromCurrent = guarded<seekFromCurrent, 0xFFFFFFFFu>;
}
