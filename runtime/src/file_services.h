// File services over POSIX descriptors: opening with advisory locks standing in
// for sharing modes, raw and line-oriented reading and writing in single-byte
// and UTF-16 text, the process-wide base folder, path splitting and the file
// and folder dialogs.
#pragma once

#include <string>

#include "tolvanea/runtime.h"

namespace tolvanea {

// Longest base folder + name, and longest text a path buffer takes.
constexpr std::size_t kMaxBasedPath = 255;
constexpr std::size_t kMaxPathText = 259;
// Longest line a line reader keeps.
constexpr int kMaxLine = 255;

// Opening and closing
RtHandle openForReading(const char* name, RtBool useBaseFolder);
RtHandle createForWriting(const char* name, RtBool useBaseFolder);
RtHandle openForAppending(const char* name, RtBool shareRead);
RtHandle openTextForReading(const char* name, RtBool* hasMarker);
RtHandle createTextForWriting(const char* name, RtBool writeMarker);
int32_t closeFile(RtHandle file);
RtBool setBaseFolder(const char* path);

// Raw access and positioning
int32_t readBytes(RtHandle file, void* buffer, uint32_t count);
int32_t writeBytes(RtHandle file, const void* buffer, uint32_t count);
uint32_t rewindFile(RtHandle file);
uint32_t seekFromStart(RtHandle file, int32_t position);
uint32_t seekFromCurrent(RtHandle file, int32_t distance);
uint32_t fileSize(RtHandle file);

// Lines
int32_t writeLine(RtHandle file, const char* text);
int32_t writeNumberLine(RtHandle file, int32_t value);
int32_t writeWideLine(RtHandle file, const RtWide* text);
int32_t writeTextLine(RtHandle file, const RtWide* text, RtBool asWide);
RtBool readLine(RtHandle file, char* out);
RtBool readLineUntilCR(RtHandle file, char* out);
RtBool readWideLine(RtHandle file, RtWide* out);
RtBool readSettingLine(RtHandle file, char* out);
RtBool readWideSettingLine(RtHandle file, RtWide* out);
int32_t readNumberLine(RtHandle file);

// Paths
RtBool tempFilePath(char* out, const char* name);
RtBool folderOfPath(const char* path, char* out);
RtBool fileNameOfPath(const char* path, char* out);
RtBool baseNameOfPath(const char* path, char* out);
RtBool extensionOfPath(const char* path, char* out);

// Dialogs
RtBool browseForFolder(void* owner, const char* initialText, char* out);
RtBool chooseFileToOpen(void* owner, const char* filters, char* out);
RtBool chooseFileToSave(void* owner, const char* filters, char* out);

// Copies text into a 260-byte path buffer; false (and an empty out) when it
// does not fit.
bool copyPathText(const std::string& text, char* out);

}  // namespace tolvanea
