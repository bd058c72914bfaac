#pragma once
#include <QString>

#include <cstdint>
#include <string>

// Texts of the main window's status bar. Numbers are grouped by the user's locale
// (also the C locale, which alone would leave them ungrouped).

// "1 shape", "12,345 shapes": the count of a run.
QString shapeCountText(int64_t count);
// The count of a run, with the pass of a plugging phase in front while one runs.
QString progressText(int64_t count, int64_t pass);

// "640 x 480 pixels, zoom 1:2": the picture's size and the zoom-out factor; empty
// without a picture.
QString pictureStatusText(int width, int height, int zoom);

// "Cannot read PATH": an import or a drop the image library could not read.
QString cannotReadText(const std::string& path);

// "Undone: Circle", "Redone: Circle" (the command's name, see commandName), and
// "Nothing to redo".
QString undoneText(const QString& what);
QString redoneText(const QString& what);
inline constexpr const char* kNothingToRedo = "Nothing to redo";

// "Saved PATH" after a save; "Cannot save PATH: REASON" (the system's reason) after a
// failed save or export.
QString savedText(const std::string& path);
QString cannotSaveText(const std::string& path, const std::string& reason);

// "Level 45 %": the blend level the last shape left, while it is below 100 %; empty at 100 %.
QString levelStatusText(int blendLevel);

// An import whose transparent parts were laid on white.
QString flattenedText(const std::string& path);
